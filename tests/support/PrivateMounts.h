#pragma once

// Mounts for tests that need a read-only folder or a full disk without the right to mount on
// the host: the test runs again, alone, in a child process with a user and a mount namespace
// of its own, where it may mount what it likes (CMountedFolder). Nothing it mounts is seen
// outside the child, and everything goes with the child, also when it dies. Works for root
// and for ordinary users wherever the kernel allows user namespaces; elsewhere the test skips
// and says why.
//
//     TEST_F(PageReplaceTest, AReadOnlyFolderKeepsThePage) {
//         if (RerunWithPrivateMounts())
//             return; // the child ran the test: its result is this test's result
//         auto readOnly = CMountedFolder::ReadOnly(PathIn("pages"), &why);
//         ...

// In the test process: runs the current test in the child, makes its outcome (passed, failed,
// or skipped when no namespace can be had) this test's outcome, and returns true. In the
// child: returns false, and the test goes on.
bool RerunWithPrivateMounts();

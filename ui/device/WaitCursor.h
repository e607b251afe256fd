#pragma once

// The process-wide wait cursor. Calls nest: the first BeginWait shows the wait cursor and
// the matching last EndWait brings back the cursor that was current before it. User-interface
// thread only.

void BeginWait();
void EndWait();

// How many BeginWait calls are still open.
int WaitDepth();

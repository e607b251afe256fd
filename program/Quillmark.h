#pragma once

// The program's entry: parses the command line, runs a terminal command or the screens,
// and returns the process exit status.
int RunQuillmark(int argc, char** argv);

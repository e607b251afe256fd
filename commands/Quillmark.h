#pragma once

// The program's entry: parses the command line, runs a terminal command or the screens,
// and returns the process exit status.
int RunQuillmark(int argc, char** argv);

// Names the application object just made (its name, version and desktop entry), for the
// terminal commands and the window alike.
void NameApplication();

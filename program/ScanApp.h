#pragma once

// The application object: runs the start-up window modally and reports that no message loop
// of its own is to run once that window has closed.

#include "program/StartupServices.h"

struct CCommandLine;

class CScanApp {
public:
    explicit CScanApp(CStartupServices services = DefaultStartupServices());
    // Runs the start-up window to its end; returns the exit status (0).
    int InitInstance();

private:
    CStartupServices m_services;
};

// The program with its screens: the device window at the emulated size, the start-up window
// and everything it runs. With --screenshots the run is the headless screenshot tour.
int RunScreens(const CCommandLine& line);

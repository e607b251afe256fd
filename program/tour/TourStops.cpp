#include "program/tour/TourContext.h"

// Each area declares its stop here and defines it in its own file of this folder. Shot names
// start with the area's number range, so the pictures sort in the order of the tour:
// 20-29 main screen, 30-39 camera, 40-59 import, browser and settings, 60-69 editor,
// 70-79 e-mail, 80-89 PDF job and library, 90-99 straightening and enhancing.

void RunMainTour(CTourContext& tour);    // MainTour.cpp
void RunCameraTour(CTourContext& tour);  // CameraTour.cpp
void RunBrowserTour(CTourContext& tour); // BrowserTour.cpp
void RunMailTour(CTourContext& tour);    // MailTour.cpp
void RunEditorTour(CTourContext& tour);  // EditorTour.cpp
void RunPdfTour(CTourContext& tour);     // PdfTour.cpp
void RunScanTour(CTourContext& tour);    // ScanTour.cpp

const std::vector<CTourStop>& TourStops() {
    static const std::vector<CTourStop> stops = {
        {"main screen", &RunMainTour},
        {"camera", &RunCameraTour},
        {"import, browser and settings", &RunBrowserTour},
        {"image editor", &RunEditorTour},
        {"e-mail", &RunMailTour},
        {"PDF job and library", &RunPdfTour},
        {"straightening and enhancing", &RunScanTour},
    };
    return stops;
}

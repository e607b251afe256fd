#pragma once

// The choice of where Scan takes its pages from, for the camera settings page: the camera,
// or a scanner SANE finds with one of the sources it offers, and the scanner's colour mode and
// resolution.
// Stored in the settings PageSource, ScannerSource, ScannerMode and ScannerResolution.

#include <QString>

struct CAppSettings;
class QComboBox;

// "Take pages from:", the prompt over the list of sources.
QString PageSourcePrompt();
// The names assistive tools give the lists of resolutions and colour modes.
QString ScannerResolutionName();
QString ScannerModeName();

// Fills `sources` with "Camera" and each scanner's sources, `modes` with colour, grey and
// black and white, and `resolutions` with the usual scanning resolutions, selecting what
// `settings` hold (a chosen scanner that is not found now stays listed, so that the page does
// not drop it behind the user's back). Modes and resolutions are enabled only while a scanner
// is chosen. The scanners are found on a worker
// thread: until they arrive, `sources` holds the camera, the stored choice and a disabled
// entry "Looking for scanners..."; then they take its place and the choice stays. Deleting
// `sources` before then waits for nothing.
void FillPageSourceLists(QComboBox* sources, QComboBox* modes, QComboBox* resolutions,
                         const CAppSettings& settings);
// The text of the entry shown while the scanners are being found.
QString LookingForScannersText();
// Whether `sources` is still waiting for the scanners.
bool IsLookingForScanners(const QComboBox* sources);
// Writes the lists' choice into `settings`.
void StorePageSourceLists(const QComboBox* sources, const QComboBox* modes,
                          const QComboBox* resolutions, CAppSettings& settings);

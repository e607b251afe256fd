#pragma once

// What a scan asks of the scanner: which device, from where the sheets come, how fine and in
// which colours, how large an area and how many pages; and where the pictures go.

#include <QString>

#include <optional>

struct CAppSettings;

// Where the sheets come from. Default leaves the scanner's own choice.
enum class EScanSource { Default, Flatbed, Feeder, Duplex };
// Colour pages and grey pages are stored as JPEG, black and white ones as PNG. The values are
// the setting ScannerMode's.
enum class EScanMode { Color, Gray, Lineart };

inline constexpr int kDefaultScanResolution = 300;

struct CScanOptions {
    QString device; // a SANE device name ("test:0"); empty: the first scanner listed
    EScanSource source = EScanSource::Default;
    int resolution = kDefaultScanResolution; // dots per inch; the nearest one offered is used
    EScanMode mode = EScanMode::Color;
    // The area from the top left corner, in millimetres, cut to what the scanner can reach;
    // 0 leaves the scanner's own area.
    double widthMm = 0;
    double heightMm = 0;
    // At most this many pages; 0: one from the flatbed, every sheet in the feeder.
    int maxPages = 0;
    // Where the pictures are written; empty: the camera folder.
    QString folder;

    // Whether the sheets come through a feeder, so that the scan goes on until it is empty.
    bool FromFeeder() const {
        return source == EScanSource::Feeder || source == EScanSource::Duplex;
    }
    // How many pages this scan takes at most (0: no limit).
    int PageLimit() const { return maxPages > 0 ? maxPages : (FromFeeder() ? 0 : 1); }
};

// "flatbed", "adf", "duplex" (and "default"); nothing for another name.
std::optional<EScanSource> ScanSourceFromName(const QString& name);
QString ScanSourceName(EScanSource source);
// "color", "gray", "lineart" (also "colour", "grey", "bw"); nothing for another name.
std::optional<EScanMode> ScanModeFromName(const QString& name);
QString ScanModeName(EScanMode mode);

// What the settings PageSource, ScannerSource, ScannerResolution and ScannerMode choose, with the
// area of the PDF paper (PageSize) and pages in the camera folder. Meaningful when PageSource names
// a scanner.
CScanOptions ScanOptionsFromSettings(const CAppSettings& settings);
// Whether Scan takes its pages from a scanner rather than the camera.
bool ScansFromScanner(const CAppSettings& settings);

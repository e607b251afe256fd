#pragma once

// Scanners as SANE reports them, and one opened scanner: its options set the way a scan asks,
// then one sheet after the other read into memory.

#include "scanner/ScanOptions.h"

#include <QFuture>
#include <QString>

#include <functional>
#include <vector>

// A scanner SANE found, local or on the network.
struct CScannerInfo {
    QString name; // what SANE opens it by ("test:0", "airscan:e0:Office")
    QString vendor;
    QString model;
    QString type; // "flatbed scanner", "virtual device", ...

    // "Vendor Model (name)", for lists a user chooses from.
    QString Label() const;
};

// Every scanner SANE finds; empty with the reason in `reason` when SANE cannot start (an
// empty list without a reason means there is simply no scanner).
std::vector<CScannerInfo> ListScanners(QString* reason = nullptr);

// A scanner with the sources it offers, empty when it could not be opened to ask.
struct CFoundScanner {
    CScannerInfo info;
    std::vector<EScanSource> sources;
};

// What a search for scanners found; `reason` as for ListScanners.
struct CScannerSearch {
    std::vector<CFoundScanner> scanners;
    QString reason;
};

// Lists the scanners and opens each to ask for its sources. Slow where SANE's network backends
// wait for answers (seconds), so a screen asks FindScannersInBackground instead.
CScannerSearch FindScanners();
// FindScanners on a worker thread of the application's thread pool. Nobody has to wait for
// it: a caller that goes away simply drops the future, and SANE's end at exit waits for it.
QFuture<CScannerSearch> FindScannersInBackground();

// A scanned page in memory, rows top-down without padding. Color: red, green and blue bytes;
// Gray: one byte a pixel; Lineart: one byte a pixel, 0 black and 255 white.
struct CScannedPicture {
    int width = 0;
    int height = 0;
    EScanMode kind = EScanMode::Color;
    int resolution = 0;
    std::vector<unsigned char> pixels;

    int BytesPerPixel() const { return kind == EScanMode::Color ? 3 : 1; }
};

class CScannerDevice {
public:
    CScannerDevice() = default;
    ~CScannerDevice();
    CScannerDevice(const CScannerDevice&) = delete;
    CScannerDevice& operator=(const CScannerDevice&) = delete;

    // Opens the scanner of that name (empty: the first one listed).
    bool Open(const QString& name, QString* reason);
    void Close();
    bool IsOpen() const { return m_handle != nullptr; }
    QString Name() const { return m_name; }

    // The sources the scanner offers, in its order; empty when it has no choice of source.
    std::vector<EScanSource> Sources() const;

    // Sets source, mode, resolution and area as `options` ask. A source the scanner does
    // not offer fails; a mode it lacks falls back to the nearest (black and white is made
    // from grey); the resolution is the nearest offered.
    bool Configure(const CScanOptions& options, QString* reason);
    int Resolution() const { return m_resolution; }

    enum class EStart { Started, NoMoreSheets, Failed };
    // Starts the next sheet. NoMoreSheets when the feeder is empty.
    EStart Start(QString* reason);

    enum class ERead { Done, Cancelled, Failed };
    // Reads the started sheet. `progress` is told the bytes read and expected (-1 when the
    // scanner does not know the length beforehand) and returns false to cancel, which stops
    // the scanner within the sheet.
    ERead ReadPage(CScannedPicture& picture,
                   const std::function<bool(qint64 done, qint64 total)>& progress, QString* reason);

    // Ends the batch (after the last sheet, or to stop one in flight).
    void Cancel();

private:
    int FindOption(const char* name) const;
    bool SetStringOption(const char* name, const std::function<bool(const QString&)>& matches,
                         QString* chosen = nullptr);
    bool SetNumberOption(const char* name, double value, double* chosen = nullptr);
    bool SetAreaOption(const char* name, double mm, bool fromMinimum);
    std::vector<QString> StringChoices(const char* name) const;
    int StartFrame();
    void LetReadersEnd() const;

    void* m_handle = nullptr;
    std::vector<int> m_readers; // threads the backend started with the frame being read
    QString m_name;
    EScanMode m_mode = EScanMode::Color;
    int m_resolution = 0;
};

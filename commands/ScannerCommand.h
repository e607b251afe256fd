#pragma once

// "quillmark scan -o OUT.pdf [OPTIONS]": pages from a scanner (a feeder until it is empty)
// into one PDF made by the PDF job, with the pdf command's options for paper, auto-portrait,
// straightening, looks and text recognition; "quillmark scan --list" lists the scanners.
// Ctrl+C stops the scan and the PDF is made of the pages scanned so far. Exit status 0 on
// success, 1 when the scan or the PDF failed (a PDF of the pages scanned before a failure is
// still written), 2 on bad usage, 130 when stopped by Ctrl+C.

#include <QStringList>
#include <QTextStream>

#include <atomic>
#include <cstdio>

// `stop` is what Ctrl+C sets (tests set it themselves); null: the command's own flag.
int RunScannerCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                      std::FILE* progressStream, std::atomic<bool>* stop = nullptr);
int RunScannerCommand(const QStringList& args);

inline constexpr const char* kScannerCommandSummary =
    "scan pages from a scanner (every sheet in its document feeder) into one PDF, or list "
    "the scanners SANE finds";

QStringList ScannerCommandSynopsis();
QString ScannerCommandDetails();

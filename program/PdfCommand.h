#pragma once

// "quillmark pdf -o OUT.pdf [--page-size NAME] [--fit | --center]
//  [--auto-portrait | --no-auto-portrait] PICTURE...": one PDF from picture files, made the
// way the program makes it (the same page making as the import, the same builder). Defaults
// come from the settings. The output file is replaced only by a completely written PDF.
// Exit status 0 on success, 1 when a picture could not be used or the PDF could not be
// written, 2 on bad usage.

#include <QStringList>
#include <QTextStream>

#include <cstdio>

int RunPdfCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                  std::FILE* progressStream);
int RunPdfCommand(const QStringList& args);

inline constexpr const char* kPdfCommandSynopsis =
    "pdf -o OUT.pdf [--page-size NAME] [--fit | --center] [--auto-portrait | --no-auto-portrait] "
    "PICTURE...";
inline constexpr const char* kPdfCommandSummary =
    "make one PDF from picture files, one page each (defaults from the settings PageSize, "
    "FitToPage and AutoPortrait)";

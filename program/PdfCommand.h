#pragma once

// "quillmark pdf -o OUT.pdf [--page-size NAME] [--fit | --center]
//  [--auto-portrait | --no-auto-portrait] [--order ORDER] PICTURE|FOLDER...": one PDF from
// picture files and the pictures of folders (searched and sorted as the import does), made the
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
    "[--order name|name-desc|newest|oldest|found] PICTURE|FOLDER...";
inline constexpr const char* kPdfCommandSummary = QT_TRANSLATE_NOOP(
    "CommandLine",
    "make one PDF from picture files and folders, one page each (defaults from the settings "
    "PageSize, FitToPage, AutoPortrait, Recursive and PictureImportOrder)");

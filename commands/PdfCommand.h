#pragma once

// "quillmark pdf -o OUT.pdf|- [OPTIONS] PICTURE|FOLDER|@LIST...": one PDF from picture files
// and the pictures of folders (searched and sorted as the import does), made the way the
// program makes it (the same page making as the import, the same builder). Defaults come from
// the settings. The output file is replaced only by a completely written PDF; "-o -" writes
// the complete PDF to standard output, which then carries nothing else. Exit status 0 on
// success, 1 when a picture could not be used or the PDF could not be written, 2 on bad usage.

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

// `in` is read for a list given as "-"; `pdfOut` is the file descriptor "-o -" writes to.
int RunPdfCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                  std::FILE* progressStream, QIODevice* in = nullptr, int pdfOut = 1);
int RunPdfCommand(const QStringList& args);

inline constexpr const char* kPdfCommandSummary = QT_TRANSLATE_NOOP(
    "CommandLine",
    "make one PDF from picture files and folders, one page each (defaults from the settings "
    "PageSize, FitToPage, AutoPortrait, Recursive, PictureImportOrder and PictureQuality)");

// What "quillmark pdf --help" says after the usage and summary: the options, the page
// sizes, how the options work, and the text recognition languages installed.
QString PdfCommandDetails();

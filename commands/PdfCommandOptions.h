#pragma once

// The arguments of "quillmark pdf", parsed: the output file, the choices that override the
// settings, and the pictures in page order.

#include "commands/CommandLine.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// A picture or folder named on the command line, or a file that lists them (@FILE or
// --files-from FILE; "-" is standard input).
struct CPictureArgument {
    QString path;
    bool list = false;
};

struct CPdfCommandOptions {
    bool help = false;
    QString output; // "-" for standard output
    std::optional<std::uint32_t> pageSize;
    std::optional<bool> fit;
    std::optional<bool> autoPortrait;
    // The order of a folder's pictures (PictureImportOrder 0-4) instead of the setting.
    std::optional<std::uint32_t> order;
    // Recognise text in this language ("eng", "deu+eng") for a searchable PDF.
    std::optional<QString> ocr;
    // Straighten the sheet in each picture and give it a look (LookFromName), on copies.
    bool straighten = false;
    std::optional<QString> enhance;
    // The PictureQuality value (EPictureQuality) instead of the setting.
    std::optional<std::uint32_t> quality;
    // In page order, lists where they were named.
    std::vector<CPictureArgument> inputs;

    bool ToStandardOutput() const { return output == QStringLiteral("-"); }
};

// The options "quillmark pdf" takes. The parser refuses any other, and the usage line and
// both helps (the program's and the command's) are made from this table, so an option can
// neither work unlisted nor be listed and refused.
const std::vector<CCliOption>& PdfCommandOptionTable();
inline constexpr const char* kPdfCommandOperands = "PICTURE|FOLDER|@LIST...";

// "usage: quillmark pdf -o OUT.pdf|- [...] PICTURE|FOLDER|@LIST...", wrapped to 80 columns.
QString PdfCommandUsage();
// The same on one line, without "usage: quillmark ".
QString PdfCommandSynopsis();

// Parses the arguments after "pdf"; on a usage error fills `error` and returns nothing.
std::optional<CPdfCommandOptions> ParsePdfCommandOptions(const QStringList& args, QString* error);

// The pictures and folders of `inputs`, each list read where it was named: one path per line
// (relative paths from the current folder), empty lines skipped. `standardInput` is read for
// "-", at most once. On a list that cannot be read, fills `error` and returns nothing.
std::optional<QStringList> ReadPictureArguments(const std::vector<CPictureArgument>& inputs,
                                                QIODevice& standardInput, QString* error);

// "Letter, Note, ..., A6": the names --page-size takes.
QString PaperSizeNames();

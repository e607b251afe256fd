#pragma once

// The arguments of "quillmark pdf", parsed: the output file, the choices that override the
// settings, and the pictures in page order.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

struct CPdfCommandOptions {
    bool help = false;
    QString output;
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
    QStringList pictures;
};

inline constexpr const char* kPdfCommandUsage =
    "usage: quillmark pdf -o OUT.pdf [--page-size NAME] [--fit | --center]\n"
    "                     [--auto-portrait | --no-auto-portrait]\n"
    "                     [--order name|name-desc|newest|oldest|found] [--ocr LANG]\n"
    "                     [--straighten] [--enhance none|grey|bw|colour]\n"
    "                     PICTURE|FOLDER...";

// Parses the arguments after "pdf"; on a usage error fills `error` and returns nothing.
std::optional<CPdfCommandOptions> ParsePdfCommandOptions(const QStringList& args, QString* error);

// "Letter, Note, ..., A6": the names --page-size takes.
QString PaperSizeNames();

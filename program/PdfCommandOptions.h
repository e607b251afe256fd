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
    QStringList pictures;
};

inline constexpr const char* kPdfCommandUsage =
    "usage: quillmark pdf -o OUT.pdf [--page-size NAME] [--fit | --center]\n"
    "                     [--auto-portrait | --no-auto-portrait] PICTURE...";

// Parses the arguments after "pdf"; on a usage error fills `error` and returns nothing.
std::optional<CPdfCommandOptions> ParsePdfCommandOptions(const QStringList& args, QString* error);

// "Letter, Note, ..., A6": the names --page-size takes.
QString PaperSizeNames();

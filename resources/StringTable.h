#pragma once

// The program's string table: every user-visible text, addressed by its identifier
// (resources/ids/StringIds.h). Read it through LoadFormatted (text/Strings.h), which gives the text
// in the user's language.

#include <QStringView>

#include <cstddef>
#include <cstdint>

// The English text of `id`, or an empty view when the table has no such entry. The text is
// static. It is also the source text of its translations (context kStringTableContext).
QStringView LookupString(std::uint16_t id);

// The translation context of the table's texts in the catalogues (translations/).
inline constexpr char kStringTableContext[] = "StringTable";

std::size_t StringTableSize();

#pragma once

// The program's string table: every user-visible text, addressed by its identifier
// (resources/ids/StringIds.h). Read it through LoadFormatted (text/Strings.h).

#include <QStringView>

#include <cstddef>
#include <cstdint>

// The text of `id`, or an empty view when the table has no such entry. The text is static.
QStringView LookupString(std::uint16_t id);

std::size_t StringTableSize();

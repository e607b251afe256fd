#pragma once

// The sort orders of a folder import ("PictureImportOrder") and their names on the command
// line.

#include "session/PictureSearch.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Whether neighbours a (first) and b (second) change places under `order`: 0 by name A to Z,
// 1 by name Z to A (names compared without regard to case), 2 newest first, 3 oldest first
// (by last write). Equal keys never change places; other orders never exchange.
bool ExchangeForOrder(const CFoundFile& a, const CFoundFile& b, std::uint32_t order);

// Puts the list in `order`. The result is the one of a bubble sort with ExchangeForOrder:
// files that compare equal keep the order in which the search found them. Orders 4, 5 and
// unknown values leave the list as found.
void SortFoundFiles(std::vector<CFoundFile>& files, std::uint32_t order);

// "name", "name-desc", "newest", "oldest", "found" (any case) as orders 0-4; nothing for
// another text.
std::optional<std::uint32_t> ParseImportOrder(const QString& text);

#include "session/ImportOrder.h"

#include "app/AppSettings.h"

#include <algorithm>

bool ExchangeForOrder(const CFoundFile& a, const CFoundFile& b, std::uint32_t order) {
    switch (order) {
    case kImportByNameAscending: return a.name.compare(b.name, Qt::CaseInsensitive) > 0;
    case kImportByNameDescending: return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    case kImportNewestFirst: return b.lastWrite > a.lastWrite;
    case kImportOldestFirst: return b.lastWrite < a.lastWrite;
    default: return false;
    }
}

void SortFoundFiles(std::vector<CFoundFile>& files, std::uint32_t order) {
    if (order > kImportOldestFirst)
        return;
    // A bubble sort never exchanges equal neighbours, so it is stable; any stable sort by the
    // same rule gives the same list, without the quadratic time on folders of thousands.
    std::stable_sort(files.begin(), files.end(), [order](const CFoundFile& x, const CFoundFile& y) {
        return ExchangeForOrder(y, x, order);
    });
}

std::optional<std::uint32_t> ParseImportOrder(const QString& text) {
    static const char* const names[] = {"name", "name-desc", "newest", "oldest", "found"};
    for (std::uint32_t i = 0; i < std::size(names); ++i)
        if (text.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

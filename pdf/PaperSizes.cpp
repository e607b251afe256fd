#include "pdf/PaperSizes.h"

int FindPaperSize(const QString& name) {
    for (std::size_t i = 0; i < kPaperSizes.size(); ++i)
        if (name.compare(QLatin1String(kPaperSizes[i].name), Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

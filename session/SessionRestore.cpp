#include "session/SessionRestore.h"

#include "imaging/ImageDecoder.h"
#include "session/Session.h"

#include <QFile>
#include <QFileInfo>

#include <memory>

namespace {

bool IsOwnCopy(const CRecoveryPage& page) {
    return page.isTemporaryCopy && page.path.endsWith(QLatin1String(kPortraitCopySuffix));
}

} // namespace

CRestoreResult RestoreSession(CSession& session, const CRecoveryState& state) {
    CRestoreResult result;
    const int first = session.PageCount();
    // The new index of the recorded current page, or of the next page kept after it.
    int current = -1;
    const QSize box = session.ThumbBox();
    for (std::size_t i = 0; i < state.pages.size(); ++i) {
        const CRecoveryPage& recorded = state.pages[i];
        auto page = std::make_unique<CPage>(recorded.path);
        if (!page->IsBlank()) {
            page->typeCode = recorded.typeCode;
            page->turnCcw = recorded.turnCcw;
            const bool exists = QFileInfo(recorded.path).isFile();
            if (!exists || !page->BuildThumb(nullptr, box.width(), box.height())) {
                // Not this page's to delete: it may be the user's picture or another's copy.
                page->isTemporaryCopy = 0;
                result.missing << recorded.path;
                continue;
            }
            page->isTemporaryCopy = recorded.isTemporaryCopy ? 1 : 0;
        }
        if (current < 0 && state.currentIndex >= 0 && int(i) >= state.currentIndex)
            current = first + result.restored;
        session.AddPage(std::move(page));
        ++result.restored;
    }
    if (result.restored > 0) {
        // Each added page was selected in turn: the last one is current unless told otherwise.
        if (current < 0)
            current = first + result.restored - 1;
        session.Listener().StripSelect(current);
        session.Listener().Redraw();
    }
    if (state.scanCounter > session.scanCounter)
        session.scanCounter = state.scanCounter;
    return result;
}

void DeleteRecordedCopies(const CRecoveryState& state) {
    for (const CRecoveryPage& page : state.pages)
        if (IsOwnCopy(page))
            QFile::remove(page.path);
}

void LeaveFilesToRecord(CPageList& pages) {
    for (int i = 0; i < pages.Size(); ++i) {
        pages.At(i)->isTemporaryCopy = 0;
        pages.At(i)->deleteFileRequested = 0;
    }
}

#include "session/PictureImport.h"

#include "app/AppSettings.h"
#include "session/ImportOrder.h"
#include "session/PageFactory.h"
#include "session/Session.h"

#include <QFileInfo>

namespace {

std::unique_ptr<CPage> MakePage(CSession& session, const CAppSettings& settings,
                                const QString& path) {
    session.Listener().PreviewShow(nullptr, 0);
    const QSize box = session.ThumbBox();
    std::unique_ptr<CPage> page =
        MakePageFromFile(path, settings.autoPortrait != 0, box.width(), box.height(), nullptr,
                         ScanCopyOptionsOf(settings));
    if (!page) {
        // The preview goes back to the current page rather than staying blank.
        const int index = session.CurrentIndex();
        CPage* current = session.CurrentPage();
        session.Listener().PreviewShow(current, current ? index + 1 : 0);
    }
    return page;
}

// The further pages of a multi-page picture, after its first page was added, made the way
// the first one was; anything but Whole when one of them could not be made.
EFileImport AddFurtherPages(CSession& session, const CAppSettings& settings, const QString& path) {
    const QSize box = session.ThumbBox();
    CLostPages lost;
    for (std::unique_ptr<CPage>& page :
         MakeFurtherPages(path, settings.autoPortrait != 0, box.width(), box.height(), nullptr,
                          ScanCopyOptionsOf(settings), &lost))
        session.AddPage(std::move(page));
    // A folder the user can make writable is the more useful thing to hear about.
    if (!lost.notWritten.isEmpty())
        return EFileImport::PagesNotWritten;
    return lost.notDecoded.isEmpty() ? EFileImport::Whole : EFileImport::PagesNotDecoded;
}

} // namespace

QString FolderOfFile(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return QString();
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

EFileImport ImportPictureFile(CSession& session, CAppSettings& settings, const QString& path) {
    std::unique_ptr<CPage> page = MakePage(session, settings, path);
    const bool added = page != nullptr;
    session.AddPage(std::move(page));
    const EFileImport outcome =
        added ? AddFurtherPages(session, settings, path) : EFileImport::NotAPicture;
    settings.lastImportFolder = FolderOfFile(path);
    return outcome;
}

CFolderImportResult ImportPictureFolder(CSession& session, CAppSettings& settings,
                                        const QString& folder, CFolderImportDelegate& delegate) {
    CFolderImportResult result;
    session.importedCount = session.foundCount = 0;

    delegate.SearchBusy(true);
    std::vector<CFoundFile> files = FindPictures(folder, settings.recursive != 0, [&](int count) {
        session.foundCount = count;
        delegate.FileFound(count);
    });
    delegate.SearchBusy(false);
    result.found = session.foundCount = int(files.size());

    std::uint32_t order = settings.pictureImportOrder;
    if (files.size() >= 2 && order == kImportAskEachTime) {
        std::uint32_t chosen = order;
        if (!delegate.AskOrder(chosen)) {
            result.cancelled = true;
            files.clear();
        } else {
            settings.pictureImportOrder = order = chosen;
        }
    }

    SortFoundFiles(files, order);
    const int total = int(files.size());
    for (int i = 0; i < total; ++i) {
        const QString path = FoundFilePath(folder, files[i]);
        std::unique_ptr<CPage> page = MakePage(session, settings, path);
        if (page) {
            session.AddPage(std::move(page));
            const EFileImport further = AddFurtherPages(session, settings, path);
            if (further != EFileImport::Whole)
                result.incomplete.append(path);
            if (further == EFileImport::PagesNotWritten)
                result.notWritten.append(path);
            result.imported = ++session.importedCount;
        }
        delegate.PictureDone(i, total);
    }
    settings.lastImportFolder = folder;
    return result;
}

QStringList ExpandPictureArguments(const QStringList& filesAndFolders, bool recursive,
                                   std::uint32_t order,
                                   std::vector<CUnreadableFolder>* unreadable) {
    QStringList pictures;
    for (const QString& argument : filesAndFolders) {
        if (!QFileInfo(argument).isDir()) {
            pictures.append(argument);
            continue;
        }
        std::vector<CFoundFile> files = FindPictures(argument, recursive, {}, unreadable);
        SortFoundFiles(files, order);
        for (const CFoundFile& file : files)
            pictures.append(FoundFilePath(argument, file));
    }
    return pictures;
}

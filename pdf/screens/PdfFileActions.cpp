#include "pdf/screens/PdfFileActions.h"

#include "mail/screens/ShareByMail.h"
#include "pdf/SmallerPdfCopy.h"
#include "pdf/screens/ProgressDialog.h"
#include "platform/Paths.h"
#include "resources/ResourceIds.h"
#include "text/Strings.h"
#include "text/TextFormat.h"
#include "ui/device/Opener.h"
#include "ui/toolkit/QuestionBox.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

using namespace ids;

namespace {

// Copies are made in folders of this name in the cache; one left by a program that ended
// while sending is removed by a later Share once nobody can still be sending it.
const QString kCopyFolderPattern = QStringLiteral("smaller-copy-XXXXXX");
constexpr int kStaleCopyHours = 12;

void RemoveStaleCopies(const QString& cache) {
    const QDateTime before = QDateTime::currentDateTime().addSecs(-qint64(kStaleCopyHours) * 3600);
    const QFileInfoList folders = QDir(cache).entryInfoList({QStringLiteral("smaller-copy-*")},
                                                            QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& folder : folders)
        if (folder.lastModified() < before)
            QDir(folder.absoluteFilePath()).removeRecursively();
}

EQuestionResult Message(CScreen* owner, CQuestionBox::EKind kind, std::uint32_t picture,
                        std::uint16_t heading, const QString& body) {
    CQuestionBox box(owner);
    box.SetKind(kind);
    box.SetPictures(picture);
    box.SetTitles(LoadFormatted(kind == CQuestionBox::kClose ? IDS_MESSAGE_1196 : IDS_QUESTION),
                  LoadFormatted(heading));
    box.SetBody(body);
    return box.Show();
}

class CSmallerCopyScreenDelegate : public CSmallerCopyDelegate {
public:
    explicit CSmallerCopyScreenDelegate(CProgressDialog& progress) : m_progress(progress) {}
    void OnPicture(int index, int count) override {
        m_progress.SetStepText(LoadFormatted(IDS_SMALLER_COPY_PICTURE, index, count));
        m_progress.SetPosition(index - 1, count);
    }
    bool IsCancelled() override { return m_progress.IsCancelled(); }

private:
    CProgressDialog& m_progress;
};

CSmallerCopyResult MakeCopyWithProgress(CScreen* owner, const QString& path, const QString& copy) {
    auto progress = std::make_unique<CProgressDialog>(owner);
    progress->EnableCancel(true);
    progress->SetSecondBarShown(false);
    progress->SetStatusEnabled(false);
    progress->SetHeader(LoadFormatted(IDS_SMALLER_COPY_TITLE), LoadFormatted(IDS_SMALLER_COPY_WAIT),
                        IDB_HEADER_DOCUMENT);
    progress->ShowModeless();
    progress->SetRange(100, QString());
    CSmallerCopyScreenDelegate delegate(*progress);
    CSmallerCopyResult result = MakeSmallerPdfCopy(path, copy, delegate);
    progress->DestroyScreen();
    return result;
}

} // namespace

bool OpenPdfFile(CScreen* owner, const QString& path) {
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile())
        return false;
    if (OpenWithPlatform(file.absoluteFilePath()))
        return true;
    CQuestionBox box(owner);
    box.SetKind(CQuestionBox::kClose);
    box.SetPictures(IDB_MSG_ATTENTION);
    box.SetTitles(LoadFormatted(IDS_ERROR_1186), LoadFormatted(IDS_OPEN_FILE));
    box.SetBody(LoadFormatted(IDS_OPEN_PDF_FILE_CHECK, file.fileName()));
    box.Show();
    return false;
}

bool SharePdfFile(CScreen* owner, const QString& path, qint64 largeBytes) {
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile())
        return false;
    if (file.size() <= largeBytes)
        return ShareFileByMail(owner, path);

    const QString name = file.fileName();
    const QString size = FormatFileSize(std::uint64_t(file.size()), false, true, false);
    if (Message(owner, CQuestionBox::kNoYes, IDB_MSG_QUESTION, IDS_LARGE_ATTACHMENT,
                LoadFormatted(IDS_SEND_SMALLER_COPY, name, size)) != kResultOk)
        return ShareFileByMail(owner, path);

    const QString cache = platform::CacheFolder();
    platform::EnsureFolder(cache);
    RemoveStaleCopies(cache);
    QTemporaryDir folder(QDir(cache).filePath(kCopyFolderPattern));
    CSmallerCopyResult made;
    if (folder.isValid()) {
        made = MakeCopyWithProgress(owner, path, folder.filePath(name));
    } else {
        made.failure = ESmallerCopyFailure::WriteFailed;
        made.detail = folder.errorString();
    }
    switch (made.failure) {
    case ESmallerCopyFailure::None: return ShareFileByMail(owner, folder.filePath(name));
    case ESmallerCopyFailure::Cancelled: return false;
    case ESmallerCopyFailure::NotOurPdf:
        Message(owner, CQuestionBox::kClose, IDB_MSG_ATTENTION, IDS_LARGE_ATTACHMENT,
                LoadFormatted(IDS_SMALLER_COPY_NOT_OURS, name));
        break;
    case ESmallerCopyFailure::NothingToReduce:
        Message(owner, CQuestionBox::kClose, IDB_MSG_ATTENTION, IDS_LARGE_ATTACHMENT,
                LoadFormatted(IDS_SMALLER_COPY_NOT_SMALLER, name));
        break;
    case ESmallerCopyFailure::Unreadable:
    case ESmallerCopyFailure::WriteFailed:
        Message(owner, CQuestionBox::kClose, IDB_MSG_ATTENTION, IDS_LARGE_ATTACHMENT,
                LoadFormatted(IDS_SMALLER_COPY_FAILED, name, made.detail));
        break;
    }
    return ShareFileByMail(owner, path);
}

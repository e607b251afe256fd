#include "program/StartupRecovery.h"

#include "platform/Diagnostics.h"
#include "resources/ResourceIds.h"
#include "screens/MainDlg.h"
#include "session/SessionRestore.h"
#include "text/Strings.h"
#include "ui/toolkit/QuestionBox.h"

#include <QFile>
#include <QFileInfo>

namespace {

void Note(const QString& message) {
    platform::ReportDiagnostic(16, message);
}

} // namespace

CRecoveryChoice ChooseRecovery(const QString& path, const CRecoveryPrompts& prompts) {
    CRecoveryChoice choice;
    CRecordRead read = ReadRecoveryRecord(path);
    switch (read.status) {
    case ERecordStatus::kMissing: return choice;
    case ERecordStatus::kUnreadable:
        // Writing over it would lose what could not be looked at.
        Note(QStringLiteral("recovery record %1 cannot be read; it is left alone").arg(path));
        choice.keepRecord = false;
        return choice;
    case ERecordStatus::kDamaged:
    case ERecordStatus::kTruncated:
    case ERecordStatus::kNewer: {
        const QString aside = SetRecordAside(path, read.status);
        if (aside.isEmpty()) {
            Note(QStringLiteral("recovery record %1 cannot be trusted nor moved aside; it is "
                                "left alone")
                     .arg(path));
            choice.keepRecord = false;
            return choice;
        }
        Note(QStringLiteral("recovery record %1 cannot be trusted; kept as %2").arg(path, aside));
        if (prompts.tellSetAside)
            prompts.tellSetAside(read.status, aside);
        return choice;
    }
    case ERecordStatus::kOk: break;
    }
    if (IsOwnerRunning(read.state.owner)) {
        // Another window of this data folder is running: the record is its own.
        Note(QStringLiteral("recovery record %1 belongs to the running process %2")
                 .arg(path)
                 .arg(read.state.owner.pid));
        choice.keepRecord = false;
        return choice;
    }
    if (!read.state.pages.empty() && prompts.askRestore && prompts.askRestore(read.state)) {
        choice.restore = std::move(read.state);
        return choice;
    }
    // Not wanted: the pages go, and with them the copies that were theirs alone.
    DeleteRecordedCopies(read.state);
    if (!QFile::remove(path) && QFile::exists(path))
        Note(QStringLiteral("recovery record %1 cannot be removed").arg(path));
    return choice;
}

void PrepareRestoreQuestion(CQuestionBox& box, int pages) {
    using namespace ids;
    box.SetKind(CQuestionBox::kNoYes);
    box.SetTitles(LoadFormatted(IDS_RESTORE_SESSION), LoadFormatted(IDS_RESTORE_LAST_SESSION));
    box.SetBody(pages == 1 ? LoadFormatted(IDS_RESTORE_ONE_PAGE)
                           : LoadFormatted(IDS_RESTORE_PAGES, pages));
    box.SetPictures(IDB_MSG_QUESTION);
}

void OfferRecovery(CScreen* owner, CMainDlg& main, const QString& path) {
    CRecoveryPrompts prompts;
    prompts.askRestore = [owner](const CRecoveryState& state) {
        CQuestionBox box(owner);
        PrepareRestoreQuestion(box, int(state.pages.size()));
        return box.Show() == kResultOk;
    };
    prompts.tellSetAside = [owner](ERecordStatus why, const QString& aside) {
        using namespace ids;
        CQuestionBox box(owner);
        box.SetKind(CQuestionBox::kClose);
        box.SetTitles(LoadFormatted(IDS_RESTORE_SESSION), LoadFormatted(IDS_RESTORE_NOT_POSSIBLE));
        box.SetBody(LoadFormatted(why == ERecordStatus::kNewer ? IDS_RESTORE_RECORD_NEWER
                                                               : IDS_RESTORE_RECORD_DAMAGED,
                                  QFileInfo(aside).fileName()));
        box.SetPictures(IDB_MSG_WARNING);
        box.Show();
    };
    CRecoveryChoice choice = ChooseRecovery(path, prompts);
    if (choice.keepRecord)
        main.KeepRecoveryRecord(path, std::move(choice.restore));
}

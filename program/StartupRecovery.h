#pragma once

// At start: the recovery record a run left when it did not end with Exit or Cancel. Its pages
// are offered for restoring; a damaged record, or one of a newer version, is set aside (never
// trusted, never deleted) and the user told; a record kept by another window that is still
// running is neither offered nor touched. The main screen then keeps the record of this run.

#include "session/RecoveryRecord.h"

#include <QString>

#include <functional>

class CMainDlg;
class CScreen;

struct CRecoveryChoice {
    // Whether this run keeps the record (not when another window owns it, or it could not be
    // read or moved aside).
    bool keepRecord = true;
    // The pages to restore; none when nothing is restored.
    CRecoveryState restore;
};

struct CRecoveryPrompts {
    // Whether to restore the recorded pages (the session holds at least one page).
    std::function<bool(const CRecoveryState& state)> askRestore;
    // A record that cannot be trusted was kept as `aside`.
    std::function<void(ERecordStatus why, const QString& aside)> tellSetAside;
};

// Decides what happens to the record at `path`. No to the question removes the record and the
// copies its pages owned.
CRecoveryChoice ChooseRecovery(const QString& path, const CRecoveryPrompts& prompts);

// The same with the program's question boxes over `owner`, handing the outcome to `main`.
void OfferRecovery(CScreen* owner, CMainDlg& main, const QString& path = RecoveryRecordPath());

// The restore question for `pages` pages (kind No/Yes), for the screens and the tour.
class CQuestionBox;
void PrepareRestoreQuestion(CQuestionBox& box, int pages);

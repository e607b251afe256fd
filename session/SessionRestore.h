#pragma once

// Bringing a recorded session back after a run that did not end cleanly, or letting it go.

#include "session/RecoveryRecord.h"

#include <QStringList>

class CPageList;
class CSession;

struct CRestoreResult {
    int restored = 0;
    // Pictures of the record that no longer exist or can no longer be read, in page order.
    QStringList missing;
};

// Appends the record's pages to the session in their order, blank pages included, each with
// its thumbnail for the session's box, its type and whether it owns its file. Pictures that
// are gone or unreadable are left out and named. The recorded current page becomes current
// again (when it was left out, the next page kept, else the last); the scan counter goes on
// where it was.
CRestoreResult RestoreSession(CSession& session, const CRecoveryState& state);

// The recorded session is not wanted: the upright and scanned copies its pages owned are
// deleted, as they would have been with their pages. Only such copies (named "*.tesimg") are
// ever deleted; the user's own pictures stay.
void DeleteRecordedCopies(const CRecoveryState& state);

// The session ends while its record stays for the next start: its pages let go of the copies
// they own, which the record still names.
void LeaveFilesToRecord(CPageList& pages);

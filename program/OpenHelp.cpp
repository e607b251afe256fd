#include "program/OpenHelp.h"

#include "app/KnownFolders.h"
#include "resources/ResourceIds.h"
#include "text/Catalogue.h"
#include "text/Strings.h"
#include "ui/device/Opener.h"
#include "ui/toolkit/QuestionBox.h"

#include <QFileInfo>

QString HelpFilePath(const QStringList& languages) {
    const QString folder = GetSpecialFolder(kSpecialFolderSystem);
    // A translated copy sits beside the page as "quillmark.<language>.htm".
    for (const QString& language : languages) {
        QString copy = folder + QStringLiteral("/quillmark.%1.htm").arg(language);
        if (QFileInfo(copy).isFile())
            return copy;
    }
    return folder + QStringLiteral("/quillmark.htm");
}

QString HelpFilePath() {
    return HelpFilePath(ActiveCatalogue()->Languages());
}

EHelpOpen OpenHelp(const QString& anchor) {
    const QString path = HelpFilePath();
    if (!QFileInfo(path).isFile())
        return EHelpOpen::Missing;
    return OpenWithPlatform(path, anchor) ? EHelpOpen::Opened : EHelpOpen::Failed;
}

void OpenHelpOrReport(CScreen* owner, const QString& anchor) {
    using namespace ids;
    if (OpenHelp(anchor) != EHelpOpen::Failed)
        return;
    CQuestionBox box(owner);
    box.SetKind(CQuestionBox::kClose);
    box.SetPictures(IDB_MSG_ATTENTION);
    box.SetTitles(LoadFormatted(IDS_ERROR_1186), LoadFormatted(IDS_OPEN_FILE));
    box.SetBody(LoadFormatted(IDS_OPEN_HELP_FILE_CHECK, QFileInfo(HelpFilePath()).fileName()));
    box.Show();
}

#include "pdf/screens/PdfFileActions.h"

#include "mail/screens/ShareByMail.h"
#include "resources/ResourceIds.h"
#include "text/Strings.h"
#include "ui/device/Opener.h"
#include "ui/toolkit/QuestionBox.h"

#include <QFileInfo>

bool OpenPdfFile(CScreen* owner, const QString& path) {
    using namespace ids;
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

bool SharePdfFile(CScreen* owner, const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    return ShareFileByMail(owner, path);
}

#include "mail/screens/ShareByMail.h"

#include "app/AppSettings.h"
#include "mail/screens/SendMailDialog.h"
#include "resources/ResourceIds.h"
#include "text/ProductInfo.h"
#include "text/Strings.h"

#include <QFileInfo>

bool ShareFileByMail(CScreen* owner, const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile())
        return false;
    CSendMailDialog dialog(AppSettings(), owner);
    dialog.SetAttachment(path);
    dialog.SetAddress(AppSettings().lastSendToAddress);
    dialog.SetSubject(LoadFormatted(ids::IDS_EMAILING, file.fileName()));
    dialog.SetBody(LoadFormatted(ids::IDS_SENT_POCKET_DOCUMENT_COPIER, ProductName()));
    return dialog.DoModal() == IDOK;
}

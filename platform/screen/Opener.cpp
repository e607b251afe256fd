#include "platform/screen/Opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool OpenWithPlatform(const QString& path, const QString& anchor) {
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    const QString opener = qEnvironmentVariable("QUILLMARK_OPENER");
    if (!opener.isEmpty()) {
        const QString argument = anchor.isEmpty() ? path : url.toString();
        return QProcess::startDetached(opener, {argument});
    }
    return QDesktopServices::openUrl(url);
}

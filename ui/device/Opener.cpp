#include "ui/device/Opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool OpenWithPlatform(const QString& path, const QString& anchor) {
    // A web address ("www.example.org/x", "https://...") opens in the browser, anything
    // else is a local file.
    const bool web = path.contains(QStringLiteral("://")) ||
                     path.startsWith(QStringLiteral("www."), Qt::CaseInsensitive);
    QUrl url = web ? QUrl::fromUserInput(path) : QUrl::fromLocalFile(path);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    const QString opener = qEnvironmentVariable("QUILLMARK_OPENER");
    if (!opener.isEmpty()) {
        const QString argument = anchor.isEmpty() && !web ? path : url.toString();
        return QProcess::startDetached(opener, {argument});
    }
    return QDesktopServices::openUrl(url);
}

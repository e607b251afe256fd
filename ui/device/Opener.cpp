#include "ui/device/Opener.h"

#include "ui/device/WaitCursor.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <vector>

namespace {

// Openers that outlived the wait: a viewer keeps running after the open has been reported,
// and after the program ends too, so its process object is never destroyed (that would kill
// it). Reachable from here, so leak checkers do not count it.
std::vector<QProcess*>& Lingering() {
    static auto* lingering = new std::vector<QProcess*>;
    return *lingering;
}

} // namespace

bool OpenWithPlatform(const QString& path, const QString& anchor, int settleMs) {
    // A web address ("www.example.org/x", "https://...") opens in the browser, anything
    // else is a local file.
    const bool web = path.contains(QStringLiteral("://")) ||
                     path.startsWith(QStringLiteral("www."), Qt::CaseInsensitive);
    QUrl url = web ? QUrl::fromUserInput(path) : QUrl::fromLocalFile(path);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    QString opener = qEnvironmentVariable("QUILLMARK_OPENER");
    if (opener.isEmpty())
        opener = QStringLiteral("xdg-open");
    const QString argument = anchor.isEmpty() && !web ? path : url.toString();

    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({argument});
    // The opener's own chatter ("no method available") is not the program's output.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->setStandardInputFile(QProcess::nullDevice());

    enum class EState { Running, Ended, Failed };
    EState state = EState::Running;
    QEventLoop loop;
    QObject::connect(
        process, &QProcess::finished, &loop, [&](int code, QProcess::ExitStatus status) {
            state = status == QProcess::NormalExit && code == 0 ? EState::Ended : EState::Failed;
            loop.quit();
        });
    QObject::connect(process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        // A crash also reports finished; only a start that never happened ends here alone.
        if (error == QProcess::FailedToStart) {
            state = EState::Failed;
            loop.quit();
        }
    });
    QTimer settle;
    settle.setSingleShot(true);
    QObject::connect(&settle, &QTimer::timeout, &loop, &QEventLoop::quit);

    BeginWait();
    process->start();
    settle.start(std::max(0, settleMs));
    if (state == EState::Running)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    EndWait();

    if (state != EState::Running) {
        delete process;
        return state == EState::Ended;
    }
    // Still running: the viewer itself, or an opener that hands over slowly. It is left to
    // run; once it ends, its process object goes.
    Lingering().push_back(process);
    QObject::connect(process, &QProcess::finished, process, [process] {
        std::erase(Lingering(), process);
        process->deleteLater();
    });
    return true;
}

#include "tests/mail/MailTestSupport.h"

#include "app/AppSettings.h"
#include "pdf/PdfBuilder.h"
#include "tests/pdf/TestPictures.h"
#include "tests/support/WaitFor.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#ifndef QM_MAIL_TEST_DIR
#error "QM_MAIL_TEST_DIR names the folder of the helper scripts"
#endif

namespace {

const char kPython[] = "/usr/bin/python3";

bool CanConnect(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(quint16(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok;
}

} // namespace

int UnusedLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = 0;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
                       ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0;
    ::close(fd);
    return bound ? ntohs(addr.sin_port) : 0;
}

CSmtpTestServer::CSmtpTestServer(const QString& folder) : m_folder(folder) {
    QDir().mkpath(folder);
}

CSmtpTestServer::~CSmtpTestServer() {
    Stop();
}

bool CSmtpTestServer::MakeCertificate() {
    QProcess openssl;
    openssl.start("openssl",
                  {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                   "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1,DNS:localhost",
                   "-keyout", m_folder + "/key.pem", "-out", CertificatePath()});
    return openssl.waitForFinished(60000) && openssl.exitCode() == 0;
}

bool CSmtpTestServer::Start(EMode mode, const QString& user, const QString& password) {
    m_mode = mode;
    const QString maildir = m_folder + "/received";
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    for (int attempt = 0; attempt < 5; ++attempt) {
        m_port = UnusedLoopbackPort();
        QStringList args;
        if (mode == EMode::Plain && user.isEmpty() && m_refused.isEmpty()) {
            args = {"-m",
                    "aiosmtpd",
                    "-n",
                    "-l",
                    QStringLiteral("127.0.0.1:%1").arg(m_port),
                    "-c",
                    "aiosmtpd.handlers.Mailbox",
                    maildir};
        } else {
            args = {QStringLiteral(QM_MAIL_TEST_DIR "/smtp_tls_server.py"),
                    "--port",
                    QString::number(m_port),
                    "--maildir",
                    maildir,
                    "--mode",
                    mode == EMode::Plain      ? "none"
                    : mode == EMode::StartTls ? "starttls"
                                              : "tls"};
            if (mode != EMode::Plain)
                args << "--cert" << CertificatePath() << "--key" << m_folder + "/key.pem";
            if (!user.isEmpty())
                args << "--user" << user << "--password" << password;
            if (!m_refused.isEmpty())
                args << "--refuse-rcpt" << m_refused;
        }
        m_process->start(kPython, args);
        if (!m_process->waitForStarted(30000))
            return false;
        if (WaitFor(
                [&] { return m_process->state() != QProcess::Running || CanConnect(m_port); }) &&
            m_process->state() == QProcess::Running)
            return true;
        m_process->waitForFinished(5000); // the port was taken in between: try another
    }
    return false;
}

void CSmtpTestServer::Stop() {
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(30000)) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
    }
}

QStringList CSmtpTestServer::Received() const {
    QStringList paths;
    QDir dir(m_folder + "/received/new");
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

bool CSmtpTestServer::WaitForMessages(int count) const {
    return WaitFor([&] { return Received().size() >= count; });
}

CMailAccount CSmtpTestServer::Account(const QString& name) const {
    CMailAccount a;
    a.name = name;
    a.transport = EMailTransport::Smtp;
    a.from = "sender@example.org";
    a.host = "127.0.0.1";
    a.port = m_port;
    a.security = m_mode == EMode::Plain      ? EMailSecurity::None
                 : m_mode == EMode::StartTls ? EMailSecurity::StartTls
                                             : EMailSecurity::Tls;
    return a;
}

bool MakeTestPdf(const QString& path) {
    const QString jpeg = path + ".page.jpg";
    if (!SaveJpeg(jpeg, 320, 240))
        return false;
    CAppSettings settings;
    settings.pageSize = kPaperA4;
    CPdfBuilder builder(nullptr, settings);
    builder.AddPdfPage();
    builder.PlacePicture(kImageTypeJpeg, jpeg);
    const bool ok = builder.Save(nullptr, path);
    QFile::remove(jpeg);
    return ok && !builder.Failed();
}

QJsonObject ReadMessage(const QString& path) {
    QProcess python;
    python.start(kPython, {QStringLiteral(QM_MAIL_TEST_DIR "/read_message.py"), path});
    if (!python.waitForFinished(60000))
        return {};
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

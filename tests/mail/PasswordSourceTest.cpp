#include "mail/PasswordSource.h"

#include "tests/support/TempHome.h"

#include <QFile>

namespace {

class PasswordSourceTest : public CTempHomeTest {
protected:
    CMailAccount Account() const {
        CMailAccount a;
        a.name = "Work";
        a.user = "anna";
        return a;
    }
};

TEST_F(PasswordSourceTest, CommandGivesItsFirstLineAndAFailingCommandFails) {
    CMailAccount a = Account();
    a.passwordCommand = "printf 'first line\\nsecond\\n'";
    QByteArray password;
    QString error;
    ASSERT_TRUE(CPasswordSource::Fetch(a, &password, &error)) << error.toStdString();
    EXPECT_EQ(password, "first line");
    a.passwordCommand = "echo leaked; exit 3";
    EXPECT_FALSE(CPasswordSource::Fetch(a, &password, &error));
    EXPECT_TRUE(error.contains("exit status 3"));
    EXPECT_FALSE(error.contains("leaked"));
}

TEST_F(PasswordSourceTest, FileMustBeReadableByItsOwnerOnly) {
    CMailAccount a = Account();
    a.passwordFile = PathIn("pw");
    WriteFile(a.passwordFile, "s3cret\n");
    QFile::setPermissions(a.passwordFile, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    QByteArray password;
    QString error;
    EXPECT_FALSE(CPasswordSource::Fetch(a, &password, &error));
    EXPECT_TRUE(error.contains("chmod 600"));
    EXPECT_TRUE(password.isEmpty());
    QFile::setPermissions(a.passwordFile, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(CPasswordSource::Fetch(a, &password, &error)) << error.toStdString();
    EXPECT_EQ(password, "s3cret");
}

TEST_F(PasswordSourceTest, AFolderOrDeviceIsNamedForWhatItIs) {
    QString error;
    EXPECT_FALSE(CPasswordSource::IsPrivateFile(Home(), &error));
    EXPECT_TRUE(error.contains("is a folder, not a file")) << error.toStdString();
    EXPECT_FALSE(error.contains("does not exist"));
    EXPECT_FALSE(CPasswordSource::IsPrivateFile("/dev/null", &error));
    EXPECT_TRUE(error.contains("is not a regular file")) << error.toStdString();
    EXPECT_FALSE(CPasswordSource::IsPrivateFile(PathIn("missing"), &error));
    EXPECT_TRUE(error.contains("does not exist")) << error.toStdString();
}

TEST_F(PasswordSourceTest, NoUserNeedsNoPasswordAndNoSecretStoreIsAClearFailure) {
    CMailAccount a = Account();
    a.user.clear();
    QByteArray password = "x";
    QString error;
    EXPECT_TRUE(CPasswordSource::Fetch(a, &password, &error));
    EXPECT_TRUE(password.isEmpty());

    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(Home()));
    EXPECT_FALSE(CPasswordSource::Fetch(Account(), &password, &error));
    EXPECT_TRUE(error.contains("no secret store"));
    if (!bus.isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    qputenv("XDG_RUNTIME_DIR", runtime);
}

} // namespace

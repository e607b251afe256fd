#include "mail/ContactStore.h"

#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <optional>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define QM_TEST_UNDER_ASAN
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QM_TEST_UNDER_ASAN
#endif
#endif

namespace {

using ContactStoreTest = CTempHomeTest;

// The names Load finds in `folder`, read in a child process that an alarm ends after
// `seconds` and whose memory is capped (outside sanitizer builds, which reserve much address
// space): a read without end shows as no answer instead of taking the test machine down.
std::optional<QStringList> LoadInChild(const QString& folder, int seconds = 30) {
    int fds[2];
    if (::pipe(fds) != 0)
        return std::nullopt;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        ::alarm(unsigned(seconds));
#ifndef QM_TEST_UNDER_ASAN
        const rlimit cap{rlim_t(1) << 30, rlim_t(1) << 30};
        ::setrlimit(RLIMIT_AS, &cap);
#endif
        QStringList names;
        try {
            for (const CContact& c : CContactStore(folder).Load())
                names << c.Name();
        } catch (...) { // out of memory: the child must not go on running tests
            ::_exit(4);
        }
        const QByteArray out = names.join('\n').toUtf8();
        const bool written = ::write(fds[1], out.constData(), size_t(out.size())) == out.size();
        ::_exit(written ? 0 : 3);
    }
    ::close(fds[1]);
    QByteArray out;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        ADD_FAILURE() << "reading the contacts did not finish: "
                      << (WIFSIGNALED(status) ? strsignal(WTERMSIG(status)) : "exit status") << " "
                      << (WIFEXITED(status) ? WEXITSTATUS(status) : 0);
        return std::nullopt;
    }
    return out.isEmpty() ? QStringList() : QString::fromUtf8(out).split('\n');
}

TEST(ContactParseTest, NamesAndUpToThreeAddresses) {
    const auto cards = CContactStore::Parse(
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna Berg\r\nN:Berg;Anna;;;\r\n"
        "EMAIL;TYPE=work:anna@work.example\r\nitem1.EMAIL:anna@home.example\r\n"
        "EMAIL:a3@example.org\r\nEMAIL:a4@example.org\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\nVERSION:4.0\nN:Dahl;Carl\\, Jr.;;;\nEMAIL:carl@exa\n mple.org\nEND:VCARD\n");
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].Name(), "Anna Berg");
    EXPECT_EQ(cards[0].Addresses(),
              QStringList({"anna@work.example", "anna@home.example", "a3@example.org"}));
    // Without FN: first name part, one space, second name part; folded lines joined.
    EXPECT_EQ(cards[1].Name(), "Carl, Jr. Dahl");
    EXPECT_EQ(cards[1].Addresses(), QStringList({"carl@example.org"}));
}

TEST_F(ContactStoreTest, ReadsEveryCardOfTheFolderAndItsCollections) {
    QDir().mkpath(PathIn("contacts/default"));
    QDir().mkpath(PathIn("contacts/work"));
    WriteFile(PathIn("contacts/default/a.vcf"), "BEGIN:VCARD\nFN:Anna\nEMAIL:a@x.org\nEND:VCARD\n");
    WriteFile(PathIn("contacts/work/b.vcf"), "BEGIN:VCARD\nFN:Bert\nEND:VCARD\n");
    WriteFile(PathIn("contacts/work/notes.txt"), "BEGIN:VCARD\nFN:Not a card\nEND:VCARD\n");
    const auto contacts = CContactStore(PathIn("contacts")).Load();
    ASSERT_EQ(contacts.size(), 2u);
    EXPECT_EQ(contacts[0].Name(), "Anna");
    EXPECT_FALSE(contacts[1].HasAddress());
    EXPECT_TRUE(CContactStore(PathIn("missing")).Load().empty());
}

TEST_F(ContactStoreTest, DevicesPipesAndHugeFilesAreNotRead) {
    QDir().mkpath(PathIn("contacts"));
    WriteFile(PathIn("contacts/a.vcf"), "BEGIN:VCARD\nFN:Anna\nEMAIL:a@x.org\nEND:VCARD\n");
    ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(PathIn("contacts/z.vcf")).constData()), 0);
    ASSERT_EQ(::symlink("/dev/urandom", QFile::encodeName(PathIn("contacts/r.vcf")).constData()),
              0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(PathIn("contacts/pipe.vcf")).constData(), 0600), 0);
    // A card behind 5 MB of padding: no address book card is that large.
    WriteFile(PathIn("contacts/big.vcf"),
              QByteArray(qsizetype(5) * 1024 * 1024, ' ') + "\nBEGIN:VCARD\nFN:Big\nEND:VCARD\n");
    const auto names = LoadInChild(PathIn("contacts"));
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(*names, QStringList({"Anna"}));
}

TEST_F(ContactStoreTest, ReadingStopsAtTheLimitWhateverTheFileClaims) {
    const QString path = PathIn("full.vcf");
    WriteFile(path, QByteArray(CContactStore::kMaxCardFileBytes, 'x'));
    QByteArray data;
    EXPECT_TRUE(CContactStore::ReadCardFile(path, &data));
    EXPECT_EQ(data.size(), CContactStore::kMaxCardFileBytes);
    WriteFile(path, QByteArray(CContactStore::kMaxCardFileBytes + 1, 'x'));
    EXPECT_FALSE(CContactStore::ReadCardFile(path, &data));
    EXPECT_TRUE(data.isEmpty());
    // /proc files claim a size of 0 and still have content; a device is never read.
    EXPECT_TRUE(CContactStore::ReadCardFile("/proc/self/status", &data));
    EXPECT_FALSE(data.isEmpty());
    EXPECT_FALSE(CContactStore::ReadCardFile("/dev/zero", &data));
    EXPECT_FALSE(CContactStore::ReadCardFile(Home(), &data));
}

TEST_F(ContactStoreTest, FolderLinksStayInsideTheContactFolderAndAreReadOnce) {
    QDir().mkpath(PathIn("contacts/default"));
    QDir().mkpath(PathIn("outside"));
    WriteFile(PathIn("contacts/default/a.vcf"), "BEGIN:VCARD\nFN:Anna\nEND:VCARD\n");
    WriteFile(PathIn("outside/o.vcf"), "BEGIN:VCARD\nFN:Outsider\nEND:VCARD\n");
    WriteFile(PathIn("outside/linked.vcf"), "BEGIN:VCARD\nFN:Linked file\nEND:VCARD\n");
    const auto link = [&](const char* target, const QString& name) {
        ASSERT_EQ(::symlink(target, QFile::encodeName(PathIn(name)).constData()), 0) << target;
    };
    link("../outside", "contacts/out");                   // a folder outside
    link("/", "contacts/root");                           // the whole disk
    link("/proc/self", "contacts/self");                  // the process's own files, with loops
    link("default", "contacts/alias");                    // a folder inside: read once
    link("..", "contacts/default/loop");                  // a loop back to the top
    link("../outside/linked.vcf", "contacts/linked.vcf"); // a card file kept elsewhere
    link("missing.vcf", "contacts/dangling.vcf");
    const auto names = LoadInChild(PathIn("contacts"));
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(*names, QStringList({"Anna", "Linked file"}));

    // The contact folder may itself be a link (a synchronised folder elsewhere).
    link("contacts", "contacts-link");
    EXPECT_EQ(CContactStore(PathIn("contacts-link")).Load().size(), 2u);
}

} // namespace

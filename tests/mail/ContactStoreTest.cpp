#include "mail/ContactStore.h"

#include "tests/support/TempHome.h"

#include <QDir>

namespace {

using ContactStoreTest = CTempHomeTest;

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

} // namespace

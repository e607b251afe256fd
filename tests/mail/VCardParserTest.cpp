// Cards as address books really export them: phones (vCard 2.1 with quoted-printable and
// photos), phones and web mail (3.0 with grouped and folded properties), desktop mail programs
// and address books (3.0 and 4.0 with PREF and quoted parameters).

#include "mail/VCardParser.h"

#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

std::vector<CContact> Parse(const QByteArray& text) {
    return CVCardParser::Parse(text);
}

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A phone's export: vCard 2.1, non-ASCII names in quoted-printable UTF-8 (one with a soft line
// break), a preferred address, a photo in base64 whose lines follow unindented and end with a
// blank line, a note with an encoded line break.
const char kPhone21[] =
    "BEGIN:VCARD\r\n"
    "VERSION:2.1\r\n"
    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=4E=6F=76=C3=A1=6B;=4D=61=74=C4=9B=6A;;;\r\n"
    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=4D=61=74=C4=9B=6A=20=4E=6F=76=C3=A1=6B\r\n"
    "TEL;CELL:+420601234567\r\n"
    "EMAIL;HOME:matej@example.cz\r\n"
    "EMAIL;WORK;PREF:m.novak@firma.example\r\n"
    "PHOTO;ENCODING=BASE64;JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAMCAgICAgMCAgIDAwMDBAYEBAQE\r\n"
    "BAgGBgUGCQgKCgkICQkKDA8MCgsOCwkJDRENDg8QEBEQCgwSExIQEw8QEBD/2wBDAQMDAwQDBAgE\r\n"
    "BAgQCwkLEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBAQEBD=\r\n"
    "\r\n"
    "NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Potkali jsme se v Brn=C4=9B.=0A=\r\n"
    "Druh=C3=BD =C5=99=C3=A1dek\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\n"
    "VERSION:2.1\r\n"
    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C5=A0=74=C4=9B=70=C3=A1=6E=6B=6F=76=C3=A1;"
    "=4B=61=74=65=C5=99=69=6E=61;;;\r\n"
    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=4B=61=74=65=C5=99=69=6E=61=20=C5=A0=74=C4=9B=\r\n"
    "=70=C3=A1=6E=6B=6F=76=C3=A1\r\n"
    "EMAIL;INTERNET:katka@example.cz\r\n"
    "END:VCARD\r\n";

// A phone's export in 3.0: grouped properties with labels, lower-case type parameters, a
// preferred address listed second, lines folded at 75 bytes (one in the middle of a UTF-8
// character), a base64 photo folded with spaces.
const char kPhone30[] =
    "BEGIN:VCARD\r\n"
    "VERSION:3.0\r\n"
    "PRODID:-//Example Phone OS 17.2//EN\r\n"
    "N:Lindqvist-Bergstr\xc3\r\n"
    " \xb6m;\xc3\x85sa;;;\r\n"
    "FN:\xc3\x85sa Lindqvist-Bergstr\xc3\xb6m\r\n"
    "ORG:Nordic Paper AB;\r\n"
    "item1.EMAIL;type=INTERNET:asa.l@example.se\r\n"
    "item1.X-ABLabel:_$!<Other>!$_\r\n"
    "item2.EMAIL;type=INTERNET;type=WORK;type=pref:asa@nordicpaper.exam\r\n"
    " ple\r\n"
    "TEL;type=CELL;type=VOICE;type=pref:+46 70 123 45 67\r\n"
    "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQAASABIAAD/4QBMRXhpZgAATU0AKgAAAAgAAYdpAAQ\r\n"
    " AAAABAAAAGgAAAAAAA6ABAAMAAAABAAEAAKACAAQAAAABAAAAZKADAAQAAAABAAAAZAAAAAD/7QA4\r\n"
    " UGhvdG9zaG9wIDMuMAA4QklNBAQAAAAAAAA4QklNBCUAAAAAABDUHYzZjwCyBOmACZjs+EJ+\r\n"
    "END:VCARD\r\n";

// A web mail export: 3.0 with LF only, four addresses (the fourth is dropped), one grouped,
// an escaped note.
const char kWebMail30[] = "BEGIN:VCARD\n"
                          "VERSION:3.0\n"
                          "FN:Bert Okafor\n"
                          "N:Okafor;Bert;;;\n"
                          "EMAIL;TYPE=INTERNET;TYPE=HOME:bert.okafor@example.com\n"
                          "EMAIL;TYPE=INTERNET;TYPE=WORK:b.okafor@work.example\n"
                          "item1.EMAIL;TYPE=INTERNET:bert@old.example\n"
                          "item1.X-ABLabel:Other\n"
                          "EMAIL;TYPE=INTERNET:fourth@example.com\n"
                          "CATEGORIES:myContacts\n"
                          "NOTE:Met at the fair\\, booth 4\\; call back\\nsecond line \\\\o/\n"
                          "END:VCARD\n";

// A desktop mail program's 4.0 card: PREF numbers decide the order; quoted parameters may hold
// ":", ";" and ",".
const char kDesktop40[] = "BEGIN:VCARD\r\n"
                          "VERSION:4.0\r\n"
                          "EMAIL;TYPE=home:carla@home.example\r\n"
                          "EMAIL;TYPE=work;PREF=2:c.reyes@office.example\r\n"
                          "EMAIL;PREF=1:carla.reyes@example.org\r\n"
                          "FN;LANGUAGE=\"es:x\";ALTID=1:Carla Reyes\r\n"
                          "N;SORT-AS=\"Reyes,Carla\":Reyes;Carla;;;\r\n"
                          "ADR;LABEL=\"Calle 1; 28001 Madrid: Spain\":;;Calle 1;Madrid;;28001;\r\n"
                          "UID:urn:uuid:4fbe8971-0bc3-424c-9c26-36c3e1eff6b1\r\n"
                          "END:VCARD\r\n";

// A desktop address book's 3.0 cards: escaped name parts, an address marked preferred by
// TYPE=PREF behind a grouped one, a byte order mark in front of the file.
const char kAddressBook30[] =
    "\xef\xbb\xbf"
    "BEGIN:VCARD\r\n"
    "VERSION:3.0\r\n"
    "UID:pas-id-5F3A0C1E00000001\r\n"
    "X-EVOLUTION-FILE-AS:Dahl\\, Carl\r\n"
    "FN:Carl Dahl\r\n"
    "N:Dahl;Carl\\, Jr.;;;\r\n"
    "EMAIL;X-EVOLUTION-UI-SLOT=1;TYPE=HOME:carl@home.example\r\n"
    "EMAIL;X-EVOLUTION-UI-SLOT=2;TYPE=WORK,PREF:carl.dahl@work.example\r\n"
    "END:VCARD\r\n";

TEST(VCardParserTest, PhoneExportInVersion21WithQuotedPrintableAndAPhoto) {
    const auto cards = Parse(kPhone21);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].Name(), U("Matěj Novák"));
    EXPECT_EQ(cards[0].firstName, U("Matěj"));
    EXPECT_EQ(cards[0].secondName, U("Novák"));
    // The preferred address comes first.
    EXPECT_EQ(cards[0].Addresses(), QStringList({"m.novak@firma.example", "matej@example.cz"}));
    EXPECT_EQ(cards[0].note, U("Potkali jsme se v Brně.\nDruhý řádek"));
    // The soft line break in the middle of the name is joined.
    EXPECT_EQ(cards[1].Name(), U("Kateřina Štěpánková"));
    EXPECT_EQ(cards[1].secondName, U("Štěpánková"));
    EXPECT_EQ(cards[1].Addresses(), QStringList({"katka@example.cz"}));
}

TEST(VCardParserTest, PhoneExportInVersion30WithGroupsFoldsAndAPhoto) {
    const auto cards = Parse(kPhone30);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].Name(), U("Åsa Lindqvist-Bergström"));
    // Unfolded as bytes: the fold inside "ö" does not break the character.
    EXPECT_EQ(cards[0].secondName, U("Lindqvist-Bergström"));
    EXPECT_EQ(cards[0].firstName, U("Åsa"));
    EXPECT_EQ(cards[0].organisation, "Nordic Paper AB");
    EXPECT_EQ(cards[0].Addresses(), QStringList({"asa@nordicpaper.example", "asa.l@example.se"}));
}

TEST(VCardParserTest, WebMailExportKeepsTheFirstThreeAddressesAndUndoesEscapes) {
    const auto cards = Parse(kWebMail30);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].Name(), "Bert Okafor");
    EXPECT_EQ(cards[0].Addresses(), QStringList({"bert.okafor@example.com", "b.okafor@work.example",
                                                 "bert@old.example"}));
    EXPECT_EQ(cards[0].note, "Met at the fair, booth 4; call back\nsecond line \\o/");
}

TEST(VCardParserTest, Version40PrefNumbersAndQuotedParameters) {
    const auto cards = Parse(kDesktop40);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].Name(), "Carla Reyes");
    EXPECT_EQ(cards[0].firstName, "Carla");
    EXPECT_EQ(cards[0].Addresses(), QStringList({"carla.reyes@example.org",
                                                 "c.reyes@office.example", "carla@home.example"}));

    const auto quoted = Parse("BEGIN:VCARD\nVERSION:4.0\nFN;LANGUAGE=\"de:x\":Bert\n"
                              "EMAIL;TYPE=\"work,pref\":bert@example.de\nEND:VCARD\n");
    ASSERT_EQ(quoted.size(), 1u);
    EXPECT_EQ(quoted[0].Name(), "Bert");
    EXPECT_EQ(quoted[0].Addresses(), QStringList({"bert@example.de"}));
}

TEST(VCardParserTest, AddressBookExportWithByteOrderMarkAndEscapedNames) {
    const auto cards = Parse(kAddressBook30);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].Name(), "Carl Dahl");
    EXPECT_EQ(cards[0].firstName, "Carl, Jr.");
    EXPECT_EQ(cards[0].Addresses(), QStringList({"carl.dahl@work.example", "carl@home.example"}));
}

TEST(VCardParserTest, CharsetsOtherThanUtf8AndBase64Text) {
    // A desktop mail program's 2.1 export in its Windows code page, raw and quoted-printable.
    const auto cards =
        Parse("BEGIN:VCARD\r\nVERSION:2.1\r\n"
              "N;LANGUAGE=de;CHARSET=Windows-1252:M\xfcller;J\xfcrgen\r\n"
              "FN;CHARSET=Windows-1252:J\xfcrgen M\xfcller\r\n"
              "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=Windows-1252:Preis: 5 =80=0D=0A=\r\n"
              "Danke\r\n"
              "EMAIL;PREF;INTERNET:juergen@example.de\r\n"
              "END:VCARD\r\n"
              "BEGIN:VCARD\r\nVERSION:2.1\r\n"
              "FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Ren=E9e\r\n"
              "N;CHARSET=UTF-8;ENCODING=BASE64:w5NsYWZ1ciDDnsOzcnNzb24=\r\n"
              "END:VCARD\r\n");
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].Name(), U("Jürgen Müller"));
    EXPECT_EQ(cards[0].secondName, U("Müller"));
    EXPECT_EQ(cards[0].note, U("Preis: 5 €\r\nDanke"));
    EXPECT_EQ(cards[0].Addresses(), QStringList({"juergen@example.de"}));
    EXPECT_EQ(cards[1].Name(), U("Renée"));
    EXPECT_EQ(cards[1].secondName, U("Ólafur Þórsson"));
}

TEST(VCardParserTest, SeveralCardsNestedAgentsAndDamagedInput) {
    // Lower-case keywords, an embedded agent card that is no contact of its own, content
    // outside cards, a card without END at the end of the file.
    const auto cards = Parse("garbage line\nEND:VCARD\n"
                             "begin:vcard\nversion:2.1\nfn:Anna\nemail:anna@example.org\n"
                             "AGENT:\nBEGIN:VCARD\nVERSION:2.1\nFN:Assistant\n"
                             "EMAIL:assistant@example.org\nEND:VCARD\n"
                             "END:VCARD\n"
                             "BEGIN:VCARD\nFN:Bert\nN:;;;;\nEMAIL:\nEMAIL:bert@example.org\n"
                             "END:VCARD\n"
                             "BEGIN:VCARD\nFN:Cut off\nEMAIL:cut@example.org\n");
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].Name(), "Anna");
    EXPECT_EQ(cards[0].Addresses(), QStringList({"anna@example.org"}));
    EXPECT_EQ(cards[1].Name(), "Bert");
    // An empty EMAIL keeps its place: the address is the second one.
    EXPECT_TRUE(cards[1].email[0].isEmpty());
    EXPECT_EQ(cards[1].email[1], "bert@example.org");

    for (const QByteArray& bad :
         {QByteArray("BEGIN:VCARD\nN;ENCODING=QUOTED-PRINTABLE:=\nEND:VCARD\n"),
          QByteArray("BEGIN:VCARD\nFN;CHARSET=\"\":=ZZ=\nEND:VCARD"), QByteArray(":\n;\n=\n"),
          QByteArray("BEGIN:VCARD\nFN;ENCODING=QUOTED-PRINTABLE:a=\n"),
          QByteArray("BEGIN:VCARD\nN;X=\"unterminated:a;b\nEND:VCARD\n"),
          QByteArray("\xef\xbb\xbf"), QByteArray()})
        Parse(bad); // no crash, no hang
}

} // namespace

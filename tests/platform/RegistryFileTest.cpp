#include "platform/RegistryFile.h"

#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(RegistryFileTest, ParsesWhatPeopleWriteByHand) {
    const QByteArray text = "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
                            "\r\n"
                            "; a comment\r\n"
                            "[HKEY_LOCAL_MACHINE\\Software\\X]\r\n"
                            "\"N\"=dword:0000000A\r\n"
                            "@=\"default\"\r\n"
                            "\"H\"=hex(7):41,00,\\\r\n"
                            "  00,00\r\n";
    QString error;
    auto tree = ParseRegistryText(text, &error);
    ASSERT_TRUE(tree) << error.toStdString();
    auto it = tree->find("hkey_local_machine\\software\\x");
    ASSERT_NE(it, tree->end());
    ASSERT_EQ(it->second.values.size(), 3u);
    EXPECT_EQ(it->second.values[0].type, 4u);
    EXPECT_EQ(it->second.values[0].data, QByteArray("\x0A\0\0\0", 4));
    EXPECT_EQ(it->second.values[1].name, QString());
    EXPECT_EQ(it->second.values[2].type, 7u);
    EXPECT_EQ(it->second.values[2].data, QByteArray("A\0\0\0", 4));
    // Parents exist.
    EXPECT_NE(tree->find("hkey_local_machine\\software"), tree->end());
}

TEST(RegistryFileTest, RejectsDamagedText) {
    const char* damaged[] = {
        "",
        "Windows Registry Editor Version 4.00\n",
        "Windows Registry Editor Version 5.00\n\"N\"=dword:00000001\n", // value outside a key
        "Windows Registry Editor Version 5.00\n[HKEY_NOWHERE\\X]\n",    // unknown root
        "Windows Registry Editor Version 5.00\n[HKEY_USERS\\X]\n\"N\"=dword:1\n", // short dword
        "Windows Registry Editor Version 5.00\n[HKEY_USERS\\X]\n\"N\"=\"open\n",  // open quote
        "Windows Registry Editor Version 5.00\n[HKEY_USERS\\X]\n\"N\"=hex:zz\n",
        "Windows Registry Editor Version 5.00\n[HKEY_USERS\\X\n",
    };
    for (const char* text : damaged) {
        QString error;
        EXPECT_FALSE(ParseRegistryText(text, &error)) << text;
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(RegistryFileTest, SerializeThenParseGivesTheSameTree) {
    CRegTree tree;
    auto& node = tree[CanonicalRegPath("HKEY_USERS\\K")];
    node.path = "HKEY_USERS\\K";
    const QString text = "tab\there";
    node.values.push_back(
        {"t", 1, QByteArray(reinterpret_cast<const char*>(text.utf16()), (text.size() + 1) * 2)});
    node.values.push_back({"unterminated", 1, QByteArray("A\0", 2) + QByteArray("B\0", 2)});
    node.values.push_back({"d", 4, QByteArray("\x01\x02\x03\x04", 4)});
    node.values.push_back({"q\"\\", 1, QByteArray("x\0\0\0", 4)});
    const QByteArray file = SerializeRegistry(tree);
    QString error;
    auto back = ParseRegistryText(file, &error);
    ASSERT_TRUE(back) << error.toStdString() << "\n" << file.toStdString();
    const auto& values = back->at(CanonicalRegPath("HKEY_USERS\\K")).values;
    ASSERT_EQ(values.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(values[i].name, node.values[i].name);
        EXPECT_EQ(values[i].type, node.values[i].type);
        EXPECT_EQ(values[i].data, node.values[i].data);
    }
    EXPECT_TRUE(file.contains("\"d\"=dword:04030201\n"));
}

// Found by the fuzz target: texts that begin with U+FEFF or U+FFFE lost that character or had
// every byte swapped, and a surrogate without its partner became U+FFFD in the file.
TEST(RegistryFileTest, TextsWithByteOrderMarksAndLoneSurrogatesSurviveTheFile) {
    CRegTree tree;
    auto& node = tree[CanonicalRegPath("HKEY_USERS\\K")];
    node.path = "HKEY_USERS\\K";
    // One text "a", lone high surrogate, "b": split so that "b" is not read as a hex digit.
    const std::vector<std::u16string> texts = {u"\uFEFFk", u"\uFFFEab",
                                               // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
                                               u"a\xD800"
                                               u"b",
                                               u"\xDC00", u"ok \U0001F4C4"};
    for (std::size_t i = 0; i < texts.size(); ++i)
        node.values.push_back({QString::number(i), 1,
                               QByteArray(reinterpret_cast<const char*>(texts[i].c_str()),
                                          qsizetype(texts[i].size() + 1) * 2)});
    const QByteArray file = SerializeRegistry(tree);
    QString error;
    auto back = ParseRegistryText(file, &error);
    ASSERT_TRUE(back) << error.toStdString();
    const auto& values = back->at(CanonicalRegPath("HKEY_USERS\\K")).values;
    ASSERT_EQ(values.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(values[i].type, 1u) << i;
        EXPECT_EQ(values[i].data, node.values[i].data) << i;
    }
    // Whole pairs stay readable text; a lone half is written as bytes.
    EXPECT_TRUE(file.contains("\"4\"=\"ok \xF0\x9F\x93\x84\"\n"));
    EXPECT_TRUE(file.contains("\"2\"=hex(1):"));
}

} // namespace

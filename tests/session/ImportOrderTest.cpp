#include "session/ImportOrder.h"

#include "app/AppSettings.h"

#include <gtest/gtest.h>

#include <random>

namespace {

CFoundFile File(const char* name, std::int64_t lastWrite = 0) {
    CFoundFile f;
    f.name = QString::fromUtf8(name);
    f.lastWrite = lastWrite;
    return f;
}

QStringList Names(const std::vector<CFoundFile>& files) {
    QStringList names;
    for (const CFoundFile& f : files)
        names << f.name;
    return names;
}

// The sort as the handheld did it: passes with a shrinking bound until one makes no exchange.
void ReferenceBubbleSort(std::vector<CFoundFile>& files, std::uint32_t order) {
    for (int bound = int(files.size()) - 1; bound > 0; --bound) {
        bool exchanged = false;
        for (int i = 0; i < bound; ++i) {
            if (ExchangeForOrder(files[i], files[i + 1], order)) {
                std::swap(files[i], files[i + 1]);
                exchanged = true;
            }
        }
        if (!exchanged)
            break;
    }
}

TEST(ImportOrderTest, DateOrdersAreAsTheTableSays) {
    const std::vector<CFoundFile> found = {File("mid", 200), File("old", 100), File("new", 300)};
    auto files = found;
    SortFoundFiles(files, kImportNewestFirst); // 2, labelled "ascending"
    EXPECT_EQ(Names(files), (QStringList{"new", "mid", "old"}));
    files = found;
    SortFoundFiles(files, kImportOldestFirst); // 3, labelled "descending"
    EXPECT_EQ(Names(files), (QStringList{"old", "mid", "new"}));
}

TEST(ImportOrderTest, NamesCompareWithoutCaseAndEqualKeysKeepFoundOrder) {
    const std::vector<CFoundFile> found = {File("b.jpg", 1), File("B.JPG", 2), File("a.jpg", 1),
                                           File("c.jpg", 1)};
    auto files = found;
    SortFoundFiles(files, kImportByNameAscending);
    EXPECT_EQ(Names(files), (QStringList{"a.jpg", "b.jpg", "B.JPG", "c.jpg"}));
    files = found;
    SortFoundFiles(files, kImportByNameDescending);
    EXPECT_EQ(Names(files), (QStringList{"c.jpg", "b.jpg", "B.JPG", "a.jpg"}));
    files = found;
    SortFoundFiles(files, kImportNewestFirst);
    EXPECT_EQ(Names(files), (QStringList{"B.JPG", "b.jpg", "a.jpg", "c.jpg"}));
    for (std::uint32_t order : {4u, 5u, 17u}) {
        files = found;
        SortFoundFiles(files, order);
        EXPECT_EQ(Names(files), Names(found)) << order;
    }
}

TEST(ImportOrderTest, SameResultAsTheBubbleSortOnManyLists) {
    std::mt19937 random(7);
    const char* names[] = {"a", "A", "b", "B", "img_1", "IMG_1", "img_2", "z"};
    for (int round = 0; round < 200; ++round) {
        std::vector<CFoundFile> found;
        const int n = int(random() % 12);
        for (int i = 0; i < n; ++i) {
            CFoundFile f = File(names[random() % 8], std::int64_t(random() % 4));
            f.size = std::uint32_t(i); // tells equal entries apart
            found.push_back(f);
        }
        for (std::uint32_t order = 0; order <= 5; ++order) {
            auto expected = found;
            ReferenceBubbleSort(expected, order);
            auto files = found;
            SortFoundFiles(files, order);
            ASSERT_EQ(files.size(), expected.size());
            for (std::size_t i = 0; i < files.size(); ++i)
                ASSERT_EQ(files[i].size, expected[i].size)
                    << "order " << order << " round " << round;
        }
    }
}

TEST(ImportOrderTest, CommandLineNames) {
    EXPECT_EQ(ParseImportOrder("name"), 0u);
    EXPECT_EQ(ParseImportOrder("Name-Desc"), 1u);
    EXPECT_EQ(ParseImportOrder("newest"), 2u);
    EXPECT_EQ(ParseImportOrder("oldest"), 3u);
    EXPECT_EQ(ParseImportOrder("found"), 4u);
    EXPECT_FALSE(ParseImportOrder("ask"));
    EXPECT_FALSE(ParseImportOrder(""));
}

} // namespace

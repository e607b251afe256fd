#include "session/PageList.h"

#include "tests/support/TempHome.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CPage> Named(const QString& name) {
    // Pages without files: destroying them touches nothing on disk.
    auto page = std::make_unique<CPage>();
    page->typeCode = ImageType(name.at(0).unicode()); // a label to tell pages apart
    return page;
}

QString Order(const CPageList& list) {
    QString s;
    for (int i = 0; i < list.Size(); ++i)
        s += QChar(int(list.At(i)->typeCode));
    return s;
}

TEST(PageListTest, GrowsByAnEighthOfItsSizeBetweenFourAnd1024) {
    CPageList list;
    EXPECT_EQ(list.Capacity(), 0);
    list.Append(Named("a"));
    EXPECT_EQ(list.Capacity(), 4); // size 0 / 8 = 0, at least 4
    for (int i = 0; i < 4; ++i)
        list.Append(Named("a"));
    EXPECT_EQ(list.Capacity(), 8); // grew at size 4 by 4
    while (list.Size() < 40)
        list.Append(Named("a"));
    // Steps of 4 up to size 40: 4, 8, ..., 40; then 40 / 8 = 5.
    EXPECT_EQ(list.Capacity(), 40);
    list.Append(Named("a"));
    EXPECT_EQ(list.Capacity(), 45);
}

TEST(PageListTest, GrowthIsCappedAt1024AndAnExplicitStepWins) {
    CPageList big;
    for (int i = 0; i < 9000; ++i)
        big.Append(Named("a"));
    const int before = big.Capacity();
    while (big.Size() < before)
        big.Append(Named("a"));
    big.Append(Named("a"));
    EXPECT_EQ(big.Capacity() - before, 1024);

    CPageList stepped;
    stepped.SetGrowthStep(10);
    stepped.Append(Named("a"));
    EXPECT_EQ(stepped.Capacity(), 10);
}

TEST(PageListTest, NullPagesNeverEnterTheList) {
    CPageList list;
    EXPECT_EQ(list.Append(nullptr), -1);
    list.InsertAt(0, nullptr);
    EXPECT_EQ(list.Size(), 0);
    EXPECT_EQ(list.At(0), nullptr);
    EXPECT_EQ(list.At(-1), nullptr);
}

TEST(PageListTest, TakeInsertSwapKeepOrder) {
    CPageList list;
    for (const char* n : {"A", "B", "C", "D"})
        list.Append(Named(n));
    list.Swap(0, 3);
    EXPECT_EQ(Order(list), "DBCA");
    list.Swap(0, 4); // out of range: nothing
    EXPECT_EQ(Order(list), "DBCA");
    auto taken = list.TakeAt(1);
    list.InsertAt(3, std::move(taken));
    EXPECT_EQ(Order(list), "DCAB");
    list.RemoveAt(0);
    EXPECT_EQ(Order(list), "CAB");
}

class PageListFilesTest : public CTempHomeTest {
protected:
    std::unique_ptr<CPage> FilePage(const QString& name, bool requested, bool copy) {
        WriteFile(PathIn(name), "picture");
        auto page = std::make_unique<CPage>(PathIn(name));
        page->deleteFileRequested = requested ? 1 : 0;
        page->isTemporaryCopy = copy ? 1 : 0;
        return page;
    }
    bool Exists(const QString& name) const { return QFile::exists(PathIn(name)); }
};

TEST_F(PageListFilesTest, TheListsDeleteFileSettingDecidesForRequestedFilesOnly) {
    CPageList list;
    EXPECT_TRUE(list.DeleteFileSetting()); // the setting's default
    list.Append(FilePage("asked.jpg", true, false));
    list.Append(FilePage("kept.jpg", false, false));
    list.Append(FilePage("copy.jpg.tesimg", false, true));
    list.Append(FilePage("taken.jpg", true, false));
    list.SetDeleteFileSetting(false);
    // Pages added later follow it too.
    list.Append(FilePage("later.jpg", true, false));
    EXPECT_FALSE(list.At(4)->deleteFileSetting);

    // A page taken out carries the setting with it.
    std::unique_ptr<CPage> taken = list.TakeAt(3);
    taken.reset();
    EXPECT_TRUE(Exists("taken.jpg"));

    list.RemoveAt(0);
    EXPECT_TRUE(Exists("asked.jpg"));
    list.Clear();
    EXPECT_TRUE(Exists("later.jpg"));
    EXPECT_TRUE(Exists("kept.jpg"));
    EXPECT_FALSE(Exists("copy.jpg.tesimg")); // a copy always goes with its page

    list.Append(FilePage("asked.jpg", true, false));
    list.Append(FilePage("kept.jpg", false, false));
    list.SetDeleteFileSetting(true);
    list.Clear();
    EXPECT_FALSE(Exists("asked.jpg"));
    EXPECT_TRUE(Exists("kept.jpg"));
}

} // namespace

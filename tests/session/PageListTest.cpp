#include "session/PageList.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CPage> Named(const QString& name) {
    // Pages without files: destroying them touches nothing on disk.
    auto page = std::make_unique<CPage>();
    page->typeCode = name.at(0).unicode();
    return page;
}

QString Order(const CPageList& list) {
    QString s;
    for (int i = 0; i < list.Size(); ++i)
        s += QChar(list.At(i)->typeCode);
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

} // namespace

#include "scanner/screens/PageSourceChoice.h"

#include "app/AppSettings.h"
#include "scanner/Sane.h"
#include "scanner/ScanOptions.h"
#include "tests/support/SkinnedDeviceTest.h"

#include <QComboBox>
#include <QStandardItemModel>
#include <QThreadPool>

#include <memory>

namespace {

QStringList Items(const QComboBox& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.itemText(i);
    return items;
}

// SANE's test scanners (tests/support): a flatbed and a document feeder each. While a test
// holds SANE's lock, the search for scanners cannot get past its first call, so what the
// lists show before the scanners arrive is seen for certain.
class PageSourceChoiceTest : public CSkinnedDeviceTest {
protected:
    void TearDown() override {
        QThreadPool::globalInstance()->waitForDone();
        CSkinnedDeviceTest::TearDown();
    }
};

TEST_F(PageSourceChoiceTest, LooksForScannersOnAWorkerAndKeepsTheChoice) {
    QComboBox sources, modes, resolutions;
    CAppSettings settings;
    settings.pageSource = "test:1";
    settings.scannerSource = unsigned(EScanSource::Feeder);
    settings.scannerResolution = 150;
    settings.scannerMode = unsigned(EScanMode::Gray);
    {
        const auto sane = LockSane();
        FillPageSourceLists(&sources, &modes, &resolutions, settings);
        // The stored choice is shown and usable at once; the search is a disabled entry.
        EXPECT_TRUE(IsLookingForScanners(&sources));
        EXPECT_EQ(Items(sources),
                  QStringList({"Camera", "test:1, document feeder", "Looking for scanners..."}));
        EXPECT_EQ(sources.currentIndex(), 1);
        EXPECT_EQ(sources.accessibleDescription(), "Looking for scanners...");
        const auto* model = qobject_cast<QStandardItemModel*>(sources.model());
        ASSERT_NE(model, nullptr);
        EXPECT_FALSE(model->item(2)->isEnabled());
        EXPECT_TRUE(resolutions.isEnabled());
        EXPECT_EQ(resolutions.currentText(), "150 dpi");
        EXPECT_EQ(Items(modes), QStringList({"Colour", "Grey", "Black and white"}));
        EXPECT_EQ(modes.currentText(), "Grey");
        EXPECT_TRUE(modes.isEnabled());
    }
    ASSERT_TRUE(WaitFor([&] { return !IsLookingForScanners(&sources); }));
    EXPECT_EQ(Items(sources), QStringList({"Camera", "Noname frontend-tester (test:0), flatbed",
                                           "Noname frontend-tester (test:0), document feeder",
                                           "Noname frontend-tester (test:1), flatbed",
                                           "Noname frontend-tester (test:1), document feeder"}));
    EXPECT_EQ(sources.currentText(), "Noname frontend-tester (test:1), document feeder");
    EXPECT_TRUE(sources.accessibleDescription().isEmpty());
    EXPECT_TRUE(resolutions.isEnabled());
    modes.setCurrentIndex(2);
    CAppSettings stored;
    StorePageSourceLists(&sources, &modes, &resolutions, stored);
    EXPECT_EQ(stored.pageSource, "test:1");
    EXPECT_EQ(stored.scannerSource, unsigned(EScanSource::Feeder));
    EXPECT_EQ(stored.scannerResolution, 150u);
    EXPECT_EQ(stored.scannerMode, unsigned(EScanMode::Lineart));
    EXPECT_EQ(ScanOptionsFromSettings(stored).mode, EScanMode::Lineart);
}

TEST_F(PageSourceChoiceTest, WhatTheUserTakesWhileLookingStays) {
    QComboBox sources, modes, resolutions;
    CAppSettings settings;
    settings.pageSource = "test:0";
    settings.scannerSource = unsigned(EScanSource::Flatbed);
    {
        const auto sane = LockSane();
        FillPageSourceLists(&sources, &modes, &resolutions, settings);
        sources.setCurrentIndex(0);
        EXPECT_FALSE(resolutions.isEnabled());
        EXPECT_FALSE(modes.isEnabled());
    }
    ASSERT_TRUE(WaitFor([&] { return !IsLookingForScanners(&sources); }));
    EXPECT_EQ(sources.count(), 5);
    EXPECT_EQ(sources.currentText(), "Camera");
    EXPECT_FALSE(resolutions.isEnabled());
    EXPECT_FALSE(modes.isEnabled());
    CAppSettings stored = settings;
    StorePageSourceLists(&sources, &modes, &resolutions, stored);
    EXPECT_TRUE(stored.pageSource.isEmpty());

    // A scanner that is not found stays the choice, by the name it was stored under.
    settings.pageSource = "test:9";
    FillPageSourceLists(&sources, &modes, &resolutions, settings);
    ASSERT_TRUE(WaitFor([&] { return !IsLookingForScanners(&sources); }));
    EXPECT_EQ(sources.count(), 6);
    EXPECT_EQ(sources.currentText(), "test:9, flatbed");
}

TEST_F(PageSourceChoiceTest, ClosingWhileLookingWaitsForNothing) {
    CAppSettings settings;
    {
        // The search is held up inside SANE: a list that waited for it on its way out would
        // never get past the delete.
        const auto sane = LockSane();
        auto sources = std::make_unique<QComboBox>();
        QComboBox modes, resolutions;
        FillPageSourceLists(sources.get(), &modes, &resolutions, settings);
        ASSERT_TRUE(IsLookingForScanners(sources.get()));
        sources.reset();
    }
    // The search ends by itself and hands its result to nobody.
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_TRUE(WaitFor([] { return true; }));
}

} // namespace

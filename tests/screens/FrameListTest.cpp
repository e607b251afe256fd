#include "screens/FrameList.h"

#include "resources/ResourceIds.h"
#include "screens/StaticThumb.h"
#include "session/PageFactory.h"
#include "skin/binding/SkinBinding.h"
#include "tests/screens/ScreenTestSupport.h"
#include "tests/support/TouchGestures.h"
#include "text/Catalogue.h"

#include <QAccessible>
#include <QTest>

namespace {

class CRecordingListener : public CFrameListListener {
public:
    void OnFrameSelected(int index) override { told.push_back(index); }
    std::vector<int> told;
};

// The strip at the low resolution (portrait frames 40 x 50, raised 48 x 60) in a window 240
// pixels wide, with pages made from pictures drawn by the test.
class FrameListTest : public CScreenTest {
protected:
    void SetUp() override {
        CScreenTest::SetUp();
        UseScreen(QSize(240, 320));
        m_strip = std::make_unique<CFrameList>();
        m_strip->SetListener(&m_listener);
        m_strip->resize(240, 62);
        m_strip->show();
    }
    void TearDown() override {
        m_strip.reset();
        m_pages.clear();
        CScreenTest::TearDown();
    }
    CPage* Page(int width, int height) {
        const QString path = Picture(QString("p%1.png").arg(m_pages.size()), width, height);
        m_pages.push_back(MakePageFromFile(path, false, 100, 100));
        EXPECT_NE(m_pages.back(), nullptr);
        return m_pages.back().get();
    }
    void AddPortrait(int count) {
        for (int i = 0; i < count; ++i)
            m_strip->Add(Page(60, 80));
    }
    void Paint() { m_strip->grab(); }
    QPoint CentreOf(int index) { return m_strip->ItemRects()[std::size_t(index)].center(); }

    CRecordingListener m_listener;
    std::unique_ptr<CFrameList> m_strip;
    std::vector<std::unique_ptr<CPage>> m_pages;
};

TEST_F(FrameListTest, SelectPlacesTheRaisedFrameWithAndWithoutOverflow) {
    EXPECT_EQ(m_strip->FrameSize(false), QSize(40, 50));
    EXPECT_EQ(m_strip->FrameSize(true), QSize(48, 60));
    EXPECT_EQ(m_strip->FixedHeight(), 62);
    AddPortrait(3);
    EXPECT_FALSE(m_strip->IsOverflow());
    m_strip->Select(2);
    EXPECT_EQ(m_strip->SelectedX(), 80);

    AddPortrait(7);
    EXPECT_TRUE(m_strip->IsOverflow());
    m_strip->Select(0);
    EXPECT_EQ(m_strip->SelectedX(), 0);
    m_strip->Select(3);
    EXPECT_EQ(m_strip->SelectedX(), 66);
    m_strip->Select(9);
    EXPECT_EQ(m_strip->SelectedX(), 192);
    m_strip->Select(25); // beyond the end: the last item
    EXPECT_EQ(m_strip->Selected(), 9);
    m_strip->Select(-1); // negative: unchanged
    EXPECT_EQ(m_strip->Selected(), 9);
    EXPECT_TRUE(m_listener.told.empty()); // only pen and keys tell the listener
}

TEST_F(FrameListTest, ItemsAreLaidOutAroundTheSelectedOne) {
    AddPortrait(10);
    m_strip->Select(3);
    Paint();
    const auto& rects = m_strip->ItemRects();
    ASSERT_EQ(rects.size(), 10u);
    EXPECT_EQ(rects[3], QRect(66 + 3, 6, 40, 50));
    EXPECT_EQ(rects[2], QRect(66 + 3 - 40, 6, 40, 50));
    EXPECT_EQ(rects[0], QRect(66 + 3 - 120, 6, 40, 50));
    EXPECT_EQ(rects[4], QRect(66 + 3 + 40, 6, 40, 50));
    EXPECT_EQ(m_strip->PreferredHeight(), 62);
}

TEST_F(FrameListTest, PaintsTheRaisedFrameOverTheNormalOneOnWhite) {
    m_strip->Add(Page(60, 80));
    Paint();
    // The skin's pictures drawn the same way on white: the normal frame at (3, 6), the raised
    // one centred over it at (3 - 4, 6 - 5), pushed back to x = 0.
    QImage expected(240, 62, QImage::Format_RGB32);
    expected.fill(Qt::white);
    const std::int32_t normal = SkinAddImage(ids::IDB_FRAME_PORTRAIT);
    const std::int32_t raised = SkinAddImage(ids::IDB_FRAME_PORTRAIT_RAISED);
    SkinDrawImage(expected, normal, 3, 6);
    SkinDrawImage(expected, raised, 0, 1);
    SkinReleaseImage(normal);
    SkinReleaseImage(raised);
    const QImage& drawn = m_strip->BackBuffer();
    ASSERT_EQ(drawn.size(), expected.size());
    // The frame's border (its top rows and left columns, clear of the picture and the label).
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 48; ++x)
            ASSERT_EQ(QColor(drawn.pixel(x, y)), QColor(expected.pixel(x, y))) << x << "," << y;
    for (int y = 0; y < 61; ++y)
        for (int x = 0; x < 3; ++x)
            ASSERT_EQ(QColor(drawn.pixel(x, y)), QColor(expected.pixel(x, y))) << x << "," << y;
    // Right of the frame the strip is white.
    EXPECT_EQ(QColor(drawn.pixel(120, 30)), QColor(Qt::white));
    // The picture area of the raised frame shows the page (its blue), not white.
    EXPECT_EQ(QColor(drawn.pixel(24, 30)), QColor(40, 90, 160));
}

TEST_F(FrameListTest, FirstPageDecidesTheOrientation) {
    m_strip->Add(Page(80, 60));
    EXPECT_FALSE(m_strip->IsPortraitMode());
    EXPECT_EQ(m_strip->FrameSize(false), QSize(50, 40));
    EXPECT_EQ(m_strip->PreferredHeight(), 40 + 12);
    m_strip->Add(Page(60, 80));
    EXPECT_FALSE(m_strip->IsPortraitMode());
    m_strip->Clear(false);
    EXPECT_TRUE(m_strip->IsPortraitMode());
    EXPECT_EQ(m_strip->Selected(), -1);
    EXPECT_EQ(m_strip->Count(), 0);
}

TEST_F(FrameListTest, RemovingTheLastSelectedItemSelectsTheOneBefore) {
    AddPortrait(3);
    ASSERT_EQ(m_strip->Selected(), 2);
    CPage* first = m_strip->At(0);
    m_strip->RemoveSelected();
    EXPECT_EQ(m_strip->Count(), 2);
    EXPECT_EQ(m_strip->Selected(), 1);
    m_strip->Select(0);
    m_strip->RemoveSelected(); // a middle or first item: the same index stays selected
    EXPECT_EQ(m_strip->Selected(), 0);
    EXPECT_NE(m_strip->At(0), first);
    m_strip->RemoveAt(5); // ignored
    EXPECT_EQ(m_strip->Count(), 1);
    m_strip->RemoveSelected();
    EXPECT_EQ(m_strip->Count(), 0);
    EXPECT_EQ(m_strip->Selected(), -1);
}

TEST_F(FrameListTest, MoveFollowsTheSameRuleAsThePageList) {
    AddPortrait(4);
    CPage* a = m_strip->At(0);
    CPage* b = m_strip->At(1);
    CPage* c = m_strip->At(2);
    CPage* d = m_strip->At(3);
    m_strip->Move(0, 2); // forward: in front of C
    EXPECT_EQ((std::vector<CPage*>{m_strip->At(0), m_strip->At(1), m_strip->At(2), m_strip->At(3)}),
              (std::vector<CPage*>{b, a, c, d}));
    m_strip->Move(3, 0); // backward: in front of B
    EXPECT_EQ((std::vector<CPage*>{m_strip->At(0), m_strip->At(1), m_strip->At(2), m_strip->At(3)}),
              (std::vector<CPage*>{d, b, a, c}));
    m_strip->Move(0, 4); // to the end
    EXPECT_EQ(m_strip->At(3), d);
    m_strip->Swap(0, 3);
    EXPECT_EQ(m_strip->At(0), d);
}

TEST_F(FrameListTest, TapSelectsAnItemButNotTheSpaceBesideIt) {
    AddPortrait(3);
    Paint();
    QTest::mouseClick(m_strip.get(), Qt::LeftButton, {}, QPoint(200, 30));
    EXPECT_EQ(m_strip->Selected(), 2);
    EXPECT_TRUE(m_listener.told.empty());
    QTest::mouseClick(m_strip.get(), Qt::LeftButton, {}, CentreOf(0));
    EXPECT_EQ(m_strip->Selected(), 0);
    EXPECT_EQ(m_listener.told, std::vector<int>{0});
}

TEST_F(FrameListTest, DraggingScrubsThroughThePages) {
    AddPortrait(10);
    m_strip->Select(3);
    Paint();
    const QPoint start = CentreOf(3);
    QTest::mousePress(m_strip.get(), Qt::LeftButton, {}, start);
    EXPECT_TRUE(m_listener.told.empty()); // pressed on the selected item
    QTest::mouseMove(m_strip.get(), start + QPoint(6, 0));
    EXPECT_EQ(m_strip->DragOffset(), 6);
    EXPECT_EQ(m_strip->Selected(), 3);
    // With overflow the other items shift against the pen; the next one comes under it.
    Paint();
    const QPoint next = CentreOf(4);
    QTest::mouseMove(m_strip.get(), next);
    EXPECT_EQ(m_strip->Selected(), 4);
    EXPECT_EQ(m_strip->DragOffset(), 0);
    EXPECT_EQ(m_listener.told, std::vector<int>{4});
    QTest::mouseRelease(m_strip.get(), Qt::LeftButton, {}, next);
    EXPECT_EQ(m_strip->DragOffset(), 0);
    EXPECT_EQ(m_strip->Selected(), 4);
}

TEST_F(FrameListTest, AFingerFlicksThroughThePagesAndATapStillSelects) {
    AddPortrait(30);
    m_strip->Select(0);
    Paint();
    // Right to left brings the later pages: one frame's width of travel is one page.
    Flick(m_strip.get(), QPoint(220, 30), QPoint(20, 30));
    const int lifted = m_strip->Selected();
    EXPECT_GE(lifted, 4);
    // It glides on after the finger has left and tells the listener each page on the way.
    ASSERT_TRUE(WaitFor([&] { return m_strip->Selected() > lifted; }));
    int last = -1;
    ASSERT_TRUE(WaitFor([&] {
        const bool resting = m_strip->Selected() == last;
        last = m_strip->Selected();
        QTest::qWait(100);
        return resting;
    }));
    ASSERT_FALSE(m_listener.told.empty());
    EXPECT_EQ(m_listener.told.back(), m_strip->Selected());
    EXPECT_EQ(m_listener.told.front(), 1);
    EXPECT_EQ(m_strip->DragOffset(), 0);

    // And back.
    const int far = m_strip->Selected();
    Flick(m_strip.get(), QPoint(20, 30), QPoint(220, 30));
    ASSERT_TRUE(WaitFor([&] { return m_strip->Selected() < far; }));

    // A tap selects the page under the finger, as the pen does.
    QTest::qWait(1500);
    Paint();
    const int target = m_strip->Selected() > 0 ? m_strip->Selected() - 1 : 1;
    m_listener.told.clear();
    Tap(m_strip.get(), CentreOf(target));
    ASSERT_TRUE(WaitFor([&] { return m_strip->Selected() == target; }));
    EXPECT_EQ(m_listener.told, std::vector<int>{target});
}

TEST_F(FrameListTest, AFingerOnPagesThatAllFitOnlyTaps) {
    AddPortrait(3);
    Paint();
    Flick(m_strip.get(), QPoint(CentreOf(0).x(), 30), QPoint(CentreOf(0).x() + 2, 30), 2);
    ASSERT_TRUE(WaitFor([&] { return m_strip->Selected() == 0; }));
    EXPECT_EQ(m_listener.told, std::vector<int>{0});
}

TEST_F(FrameListTest, ArrowKeysStepAndTellTheListener) {
    AddPortrait(3);
    QTest::keyClick(m_strip.get(), Qt::Key_Left);
    QTest::keyClick(m_strip.get(), Qt::Key_Left);
    QTest::keyClick(m_strip.get(), Qt::Key_Left); // nothing before the first
    EXPECT_EQ(m_strip->Selected(), 0);
    QTest::keyClick(m_strip.get(), Qt::Key_Right);
    EXPECT_EQ(m_listener.told, (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(m_strip->accessibleDescription(), "Page 2 of 3");
    // Assistive tools read the strip as a list whose value is the current page.
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(m_strip.get());
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->role(), QAccessible::List);
    EXPECT_EQ(strip->text(QAccessible::Name), "Pages");
    EXPECT_EQ(strip->text(QAccessible::Value), "Page 2 of 3");
}

// The strip's items as assistive tools read them: names, and which one is selected.
std::vector<QString> ItemNames(QAccessibleInterface* strip) {
    std::vector<QString> names;
    names.reserve(std::size_t(strip->childCount()));
    for (int i = 0; i < strip->childCount(); ++i)
        names.push_back(strip->child(i)->text(QAccessible::Name));
    return names;
}
std::vector<int> SelectedItems(QAccessibleInterface* strip) {
    std::vector<int> selected;
    for (int i = 0; i < strip->childCount(); ++i)
        if (strip->child(i)->state().selected)
            selected.push_back(i);
    return selected;
}

TEST_F(FrameListTest, AssistiveToolsSeeAListOfPagesWithTheCurrentOneSelected) {
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(m_strip.get());
    ASSERT_NE(strip, nullptr);
    // The name set in the constructor reaches the strip's own interface.
    EXPECT_EQ(strip->role(), QAccessible::List);
    EXPECT_EQ(strip->text(QAccessible::Name), "Pages");
    EXPECT_EQ(strip->childCount(), 0);

    AddPortrait(3);
    ASSERT_EQ(strip->childCount(), 3);
    EXPECT_EQ(ItemNames(strip), (std::vector<QString>{"Page 1", "Page 2", "Page 3"}));
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* item = strip->child(i);
        EXPECT_EQ(item->role(), QAccessible::ListItem);
        EXPECT_EQ(item->parent(), strip);
        EXPECT_EQ(strip->indexOfChild(item), i);
        EXPECT_TRUE(item->state().selectable);
    }
    EXPECT_EQ(SelectedItems(strip), std::vector<int>{2}); // the page added last

    // The select action selects the page and tells the listener, as a tap does.
    QAccessibleActionInterface* first = strip->child(0)->actionInterface();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->actionNames().contains("Select"));
    // The name tools call stays; what they read out is in the user's language.
    EXPECT_EQ(first->localizedActionName("Select"), "Select");
    UseLanguages({"de"});
    EXPECT_EQ(first->localizedActionName("Select"), "Auswählen");
    EXPECT_EQ(first->localizedActionDescription("Select"), "Macht diese Seite zur aktuellen Seite");
    UseLanguages({});
    first->doAction("Select");
    EXPECT_EQ(m_strip->Selected(), 0);
    EXPECT_EQ(m_listener.told, std::vector<int>{0});
    EXPECT_EQ(SelectedItems(strip), std::vector<int>{0});
    EXPECT_EQ(strip->text(QAccessible::Value), "Page 1 of 3");
    strip->child(0)->actionInterface()->doAction("Select"); // already selected: nothing new
    EXPECT_EQ(m_listener.told, std::vector<int>{0});

    // The items follow the strip: a move keeps the selected place, names stay in order.
    CPage* moved = m_strip->At(0);
    m_strip->Move(0, 3);
    EXPECT_EQ(m_strip->At(2), moved);
    EXPECT_EQ(ItemNames(strip), (std::vector<QString>{"Page 1", "Page 2", "Page 3"}));
    EXPECT_EQ(SelectedItems(strip), std::vector<int>{0});
    strip->child(2)->actionInterface()->doAction("Select");
    EXPECT_EQ(m_strip->Selected(), 2);
    EXPECT_EQ(m_listener.told, (std::vector<int>{0, 2}));

    AddPortrait(1);
    EXPECT_EQ(ItemNames(strip), (std::vector<QString>{"Page 1", "Page 2", "Page 3", "Page 4"}));
    EXPECT_EQ(SelectedItems(strip), std::vector<int>{3});
    QAccessibleInterface* last = strip->child(3);
    EXPECT_TRUE(last->isValid());

    m_strip->Select(1);
    m_strip->RemoveSelected();
    EXPECT_EQ(strip->childCount(), 3);
    EXPECT_EQ(ItemNames(strip), (std::vector<QString>{"Page 1", "Page 2", "Page 3"}));
    EXPECT_EQ(SelectedItems(strip), std::vector<int>{1});
    EXPECT_EQ(strip->text(QAccessible::Value), "Page 2 of 3");

    m_strip->Clear(false);
    EXPECT_EQ(strip->childCount(), 0);
    EXPECT_EQ(strip->child(0), nullptr);
    EXPECT_EQ(strip->text(QAccessible::Value), "No pages");
}

TEST(StaticThumbTest, SizeTextNamesTheCameraResolutions) {
    EXPECT_EQ(CStaticThumb::SizeText(2592, 1944), "2592 x 1944 (5MP)");
    EXPECT_EQ(CStaticThumb::SizeText(1944, 2592), "1944 x 2592 (5MP)");
    EXPECT_EQ(CStaticThumb::SizeText(2048, 1536), "2048 x 1536 (3.2MP)");
    EXPECT_EQ(CStaticThumb::SizeText(1200, 1600), "1200 x 1600 (2MP)");
    EXPECT_EQ(CStaticThumb::SizeText(800, 600), "800 x 600");
    EXPECT_EQ(CStaticThumb::SizeText(2592, 2592), "2592 x 2592");
}

TEST_F(FrameListTest, PreviewFitsThePageAndActivatesOnTapAndEnter) {
    CStaticThumb preview;
    preview.resize(150, 200);
    preview.show();
    int activated = 0;
    preview.SetOnActivate([&] { ++activated; });
    CPage* page = Page(800, 600);
    preview.SetPage(page, 3, 5);
    preview.grab();
    const QImage& drawn = preview.BackBuffer();
    ASSERT_EQ(drawn.size(), QSize(150, 200));
    // 800 x 600 fitted into 150 x 200: 150 x 112, centred at y = 44.
    EXPECT_EQ(QColor(drawn.pixel(75, 100)), QColor(40, 90, 160));
    EXPECT_EQ(QColor(drawn.pixel(75, 40)), QColor(Qt::white));
    EXPECT_EQ(QColor(drawn.pixel(75, 160)), QColor(Qt::white));
    EXPECT_EQ(preview.accessibleDescription(), "Page 3 of 5, 800 x 600");
    QTest::mouseClick(&preview, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::keyClick(&preview, Qt::Key_Return);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&preview);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Graphic);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Current page");
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(activated, 3);
    preview.ClearPage();
    EXPECT_EQ(preview.Page(), nullptr);
    EXPECT_EQ(preview.Number(), 0);
    EXPECT_EQ(accessible->text(QAccessible::Description), "No pages");
}

TEST_F(FrameListTest, PreviewIsDescribedByItsPlaceAmongThePagesAndItsSize) {
    CStaticThumb preview;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&preview);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Graphic);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Current page");
    CPage* page = Page(80, 60);
    // The size a camera picture has; the thumbnail itself stays small.
    page->thumb.sourceWidth = 2592;
    page->thumb.sourceHeight = 1944;
    preview.SetPage(page, 3, 7);
    EXPECT_EQ(accessible->text(QAccessible::Description), "Page 3 of 7, 2592 x 1944");
    EXPECT_EQ(accessible->text(QAccessible::Help), "Press Enter to edit the page");
}

} // namespace

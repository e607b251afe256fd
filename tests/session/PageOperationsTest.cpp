#include "session/PageOperations.h"

#include "app/AppSettings.h"
#include "session/Session.h"
#include "tests/support/TempHome.h"

#include <QFile>
#include <QFileInfo>

#include <string>
#include <vector>

namespace {

std::string Moved(std::string order, int from, int to) {
    std::vector<char> entries(order.begin(), order.end());
    MoveEntry(entries, from, to);
    return std::string(entries.begin(), entries.end());
}

TEST(MoveRuleTest, PutsTheEntryInFrontOfTheOneThatWasAtTheTarget) {
    // Forward: the entry lands one place before the target index.
    EXPECT_EQ(Moved("ABCD", 0, 2), "BACD");
    EXPECT_EQ(Moved("ABCD", 1, 3), "ACBD");
    EXPECT_EQ(Moved("ABCD", 0, 4), "BCDA"); // the end of the list
    EXPECT_EQ(MovedIndex(0, 2), 1);
    EXPECT_EQ(MovedIndex(0, 4), 3);
    // Backward: the entry lands at the target index.
    EXPECT_EQ(Moved("ABCD", 3, 1), "ADBC");
    EXPECT_EQ(Moved("ABCD", 2, 0), "CABD");
    EXPECT_EQ(MovedIndex(3, 1), 1);
    // Onto itself or just behind itself nothing changes.
    EXPECT_EQ(Moved("ABCD", 2, 2), "ABCD");
    EXPECT_EQ(Moved("ABCD", 2, 3), "ABCD");
    // Out of range: unchanged.
    EXPECT_EQ(Moved("ABCD", 4, 0), "ABCD");
    EXPECT_EQ(Moved("ABCD", 0, 5), "ABCD");
    EXPECT_EQ(Moved("ABCD", -1, 2), "ABCD");
}

TEST(PageChoicesTest, OffersEveryPageButTheExcludedOnes) {
    // Two pages, page 2 current: nothing to move after, page 1 to move before.
    EXPECT_FALSE(MoveAfterChoices(1, 2).HasChoices());
    EXPECT_EQ(MoveBeforeChoices(1, 2).Choices(), std::vector<int>{0});
    // Three pages, A current: after page 2 or 3; C current: before page 1 or 2.
    EXPECT_EQ(MoveAfterChoices(0, 3).Choices(), (std::vector<int>{1, 2}));
    EXPECT_EQ(MoveBeforeChoices(2, 3).Choices(), (std::vector<int>{0, 1}));
    EXPECT_EQ(SwapChoices(1, 3).Choices(), (std::vector<int>{0, 2}));
    EXPECT_FALSE(SwapChoices(0, 1).HasChoices());
    CPageChoices none;
    EXPECT_FALSE(none.HasChoices());
}

class PageOperationsTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        m_settings = AppSettings();
        AppSettings().deleteFile = 1;
        m_session = std::make_unique<CSession>();
    }
    void TearDown() override {
        m_session.reset();
        AppSettings() = m_settings;
        CTempHomeTest::TearDown();
    }
    CAppSettings m_settings;
    // Pages on real files named A.jpg, B.jpg ...; the last one added is current.
    void AddPages(const std::string& names) {
        for (char name : names) {
            const QString path = PathIn(QString(QChar(name)) + ".jpg");
            WriteFile(path, "x");
            m_session->AddPage(std::make_unique<CPage>(path));
        }
    }
    std::string Order() const {
        std::string order;
        for (int i = 0; i < m_session->PageCount(); ++i) {
            const CPage* page = m_session->Pages().At(i);
            order += page->IsBlank() ? '_' : QFileInfo(page->path).baseName().toStdString()[0];
        }
        return order;
    }
    char Current() const {
        const CPage* page = m_session->CurrentPage();
        return !page             ? '-'
               : page->IsBlank() ? '_'
                                 : QFileInfo(page->path).baseName().toStdString()[0];
    }

    std::unique_ptr<CSession> m_session;
};

TEST_F(PageOperationsTest, MoveAfterAndBeforeFollowTheExamples) {
    AddPages("AB");
    EXPECT_TRUE(MoveCurrentPageBefore(*m_session, 0));
    EXPECT_EQ(Order(), "BA");
    EXPECT_EQ(Current(), 'B');

    m_session->ClearSession();
    AddPages("ABC");
    m_session->Listener().StripSelect(0);
    EXPECT_TRUE(MoveCurrentPageAfter(*m_session, 2));
    EXPECT_EQ(Order(), "BCA");
    EXPECT_EQ(Current(), 'A');
    EXPECT_EQ(m_session->CurrentIndex(), 2);

    m_session->ClearSession();
    AddPages("ABC");
    m_session->Listener().StripSelect(0);
    EXPECT_TRUE(MoveCurrentPageAfter(*m_session, 1));
    EXPECT_EQ(Order(), "BAC");
    EXPECT_EQ(Current(), 'A');

    m_session->ClearSession();
    AddPages("ABC");
    EXPECT_TRUE(MoveCurrentPageBefore(*m_session, 0));
    EXPECT_EQ(Order(), "CAB");
    EXPECT_EQ(Current(), 'C');

    m_session->ClearSession();
    AddPages("ABC");
    EXPECT_TRUE(MoveCurrentPageBefore(*m_session, 1));
    EXPECT_EQ(Order(), "ACB");
    EXPECT_EQ(Current(), 'C');
}

TEST_F(PageOperationsTest, MovesTheCurrentPageWhereverItLandsAndKeepsItCurrent) {
    // A backward "after" and a forward "before" land the page one place off the target:
    // the selection follows the page, not the target index.
    AddPages("ABCD");
    EXPECT_TRUE(MoveCurrentPageAfter(*m_session, 0));
    EXPECT_EQ(Order(), "ADBC");
    EXPECT_EQ(Current(), 'D');
    m_session->Listener().StripSelect(0);
    EXPECT_TRUE(MoveCurrentPageBefore(*m_session, 3));
    EXPECT_EQ(Order(), "DBAC");
    EXPECT_EQ(Current(), 'A');
    EXPECT_FALSE(MoveCurrentPageAfter(*m_session, 4));
    EXPECT_FALSE(MoveCurrentPageBefore(*m_session, -1));
    EXPECT_EQ(Order(), "DBAC");
}

TEST_F(PageOperationsTest, UpDownAndSwapKeepTheMovedPageCurrent) {
    AddPages("ABC");
    EXPECT_TRUE(MoveCurrentPageUp(*m_session));
    EXPECT_EQ(Order(), "ACB");
    EXPECT_EQ(Current(), 'C');
    EXPECT_TRUE(MoveCurrentPageUp(*m_session));
    EXPECT_EQ(Order(), "CAB");
    EXPECT_EQ(Current(), 'C');
    EXPECT_FALSE(MoveCurrentPageUp(*m_session)); // already first
    EXPECT_TRUE(MoveCurrentPageDown(*m_session));
    EXPECT_EQ(Order(), "ACB");
    EXPECT_EQ(Current(), 'C');
    m_session->Listener().StripSelect(2);
    EXPECT_FALSE(MoveCurrentPageDown(*m_session)); // already last
    EXPECT_TRUE(SwapCurrentPageWith(*m_session, 0));
    EXPECT_EQ(Order(), "BCA");
    EXPECT_EQ(Current(), 'B');
    EXPECT_EQ(m_session->CurrentIndex(), 0);
    EXPECT_FALSE(SwapCurrentPageWith(*m_session, 3));
    EXPECT_FALSE(SwapCurrentPageWith(*m_session, 0));
}

TEST_F(PageOperationsTest, NothingHappensWithoutACurrentPage) {
    EXPECT_FALSE(AppendBlankPage(*m_session));
    EXPECT_FALSE(MoveCurrentPageUp(*m_session));
    EXPECT_FALSE(MoveCurrentPageDown(*m_session));
    EXPECT_FALSE(MoveCurrentPageAfter(*m_session, 0));
    EXPECT_FALSE(SwapCurrentPageWith(*m_session, 0));
    EXPECT_FALSE(RemoveCurrentPage(*m_session, true));
    EXPECT_EQ(m_session->PageCount(), 0);
}

TEST_F(PageOperationsTest, BlankPagesGoToTheEnd) {
    AddPages("AB");
    m_session->Listener().StripSelect(0);
    EXPECT_TRUE(AppendBlankPage(*m_session));
    EXPECT_EQ(Order(), "AB_");
    EXPECT_EQ(Current(), '_');
    EXPECT_TRUE(AppendBlankPage(*m_session));
    EXPECT_EQ(Order(), "AB__");
}

TEST_F(PageOperationsTest, RemovingKeepsTheFileUnlessAskedAndTheSettingAllows) {
    AddPages("ABC");
    EXPECT_TRUE(RemoveCurrentPage(*m_session, false));
    EXPECT_EQ(Order(), "AB");
    EXPECT_TRUE(QFile::exists(PathIn("C.jpg")));
    EXPECT_TRUE(RemoveCurrentPage(*m_session, true));
    EXPECT_EQ(Order(), "A");
    EXPECT_FALSE(QFile::exists(PathIn("B.jpg")));
    AppSettings().deleteFile = 0;
    EXPECT_TRUE(RemoveCurrentPage(*m_session, true));
    EXPECT_EQ(Order(), "");
    EXPECT_TRUE(QFile::exists(PathIn("A.jpg")));
}

} // namespace

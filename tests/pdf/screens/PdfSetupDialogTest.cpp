#include "pdf/screens/PdfSetupDialog.h"

#include "app/AppSettings.h"
#include "browser/screens/PathBox.h"
#include "resources/ResourceIds.h"
#include "tests/pdf/screens/PdfScreenTest.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>

namespace {

class PdfSetupDialogTest : public CPdfScreenTest {
protected:
    // Opens the setup screen on `folder`, types `name` (unless empty) and confirms.
    QString Confirm(const QString& folder, const QString& name) {
        m_settings.lastSaveFolder = folder;
        CPdfSetupDialog setup(m_settings, m_base.get());
        setup.SetNow(QDateTime(QDate(2009, 11, 7), QTime(9, 35)));
        Answer(m_base.get(), {[&](CScreen*) {
                   m_defaultName = setup.FileEdit()->text();
                   if (!name.isEmpty())
                       setup.FileEdit()->setText(name);
                   Press(&setup, ids::IDC_QB_BUTTON_OK);
               }});
        EXPECT_EQ(setup.DoModal(), IDOK);
        return setup.GetOutputPath();
    }

    CAppSettings m_settings;
    QString m_defaultName;
};

TEST(PdfSetupNames, DefaultNameAndJoinedPath) {
    EXPECT_EQ(DefaultPdfFileName(QDateTime(QDate(2009, 11, 7), QTime(9, 35))), "20091107_0935.pdf");
    EXPECT_EQ(DefaultPdfFileName(QDateTime(QDate(2026, 12, 31), QTime(23, 5))),
              "20261231_2305.pdf");
    EXPECT_EQ(JoinOutputPath("/home/ann/Documents/", "a.pdf"), "/home/ann/Documents/a.pdf");
    EXPECT_EQ(JoinOutputPath("/home/ann/Documents", "a.pdf"), "/home/ann/Documents/a.pdf");
    EXPECT_EQ(JoinOutputPath("/", "a.pdf"), "/a.pdf");
}

TEST_F(PdfSetupDialogTest, ConfirmKeepsTheNameAsTypedAndRemembersTheFolder) {
    EXPECT_EQ(Confirm(Home(), "minutes"), Home() + "/minutes");
    EXPECT_EQ(m_defaultName, "20091107_0935.pdf");
    EXPECT_EQ(m_settings.lastSaveFolder, Home());
    // The folder reached the registry: a fresh record reads it back.
    CAppSettings loaded;
    LoadSettings(loaded);
    EXPECT_EQ(loaded.lastSaveFolder, Home());
}

TEST_F(PdfSetupDialogTest, TheDefaultNameAndARootFolderGetOneSlash) {
    EXPECT_EQ(Confirm("/", {}), "/20091107_0935.pdf");
}

TEST_F(PdfSetupDialogTest, CancelAndTheSoftInputPanelRule) {
    CPdfSetupDialog setup(m_settings, m_base.get());
    int requestsAtStart = -1;
    Answer(m_base.get(), {[&](CScreen*) {
               requestsAtStart = setup.InputPanelRequests();
               setup.FolderBox()->setFocus();
               setup.FileEdit()->setFocus();
               setup.SendCommand(ids::ID_ACTION_CANCEL);
           }});
    EXPECT_EQ(setup.DoModal(), IDCANCEL);
    EXPECT_EQ(requestsAtStart, 0);
    EXPECT_EQ(setup.InputPanelRequests(), 1);
    EXPECT_TRUE(setup.GetOutputPath().isEmpty());
}

} // namespace

TEST_F(PdfSetupDialogTest, ThePictureChoiceShowsTheSettingAndConfirmingStoresIt) {
    m_settings.pictureQuality = 2;
    m_settings.lastSaveFolder = Home();
    CPdfSetupDialog setup(m_settings, m_base.get());
    Answer(m_base.get(), {[&](CScreen*) {
               QComboBox* list = setup.QualityList();
               EXPECT_EQ(list->count(), 3);
               EXPECT_EQ(list->currentIndex(), 2);
               EXPECT_EQ(list->itemText(1), "Smaller, for e-mail");
               EXPECT_FALSE(list->accessibleName().isEmpty());
               EXPECT_TRUE(list->isVisible());
               // Reached from the keyboard after the folder.
               EXPECT_EQ(setup.FolderBox()->nextInFocusChain(), list);
               list->setCurrentIndex(1);
               Press(&setup, ids::IDC_QB_BUTTON_OK);
           }});
    ASSERT_EQ(setup.DoModal(), IDOK);
    EXPECT_EQ(m_settings.pictureQuality, 1u);
    CAppSettings loaded;
    LoadSettings(loaded);
    EXPECT_EQ(loaded.pictureQuality, 1u);
}

#include "screens/SettingsCommands.h"
#include "screens/SettingsPageDlg.h"

#include "SettingsScreenFixture.h"
#include "app/AppSettings.h"
#include "platform/Registry.h"
#include "resources/ResourceIds.h"
#include "scanner/screens/PageSourceChoice.h"
#include "ui/device/SoftKeyBar.h"
#include "ui/toolkit/RememberedAnswers.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace {

using namespace ids;

class SettingsPageTest : public CSettingsScreenTest {
protected:
    void SetUp() override {
        CSettingsScreenTest::SetUp();
        LoadSettings(AppSettings());
    }
    // Runs the page of `command` through the menu's entry point and lets `act` work on it.
    bool RunPage(int command, const std::function<void(CSettingsPageDlg&)>& act) {
        WhenScreenOpens(nullptr,
                        [act](CScreen* top) { act(*dynamic_cast<CSettingsPageDlg*>(top)); });
        return RunSettingsPage(nullptr, command);
    }
    // What the registry file holds, read into a fresh record.
    static CAppSettings Reloaded() {
        platform::ResetRegistry();
        CAppSettings settings;
        LoadSettings(settings);
        return settings;
    }
    template <typename T> static T* Get(CSettingsPageDlg& page, int id) {
        return page.ControlAs<T>(id);
    }
};

TEST_F(SettingsPageTest, FileImportPageRoundTripsTheOrderThroughTheRegistry) {
    AppSettings().pictureImportOrder = kImportOldestFirst;
    bool shown = false;
    EXPECT_TRUE(RunPage(ID_SETTINGS_IMPORT, [&](CSettingsPageDlg& page) {
        EXPECT_EQ(page.Caption(), "Sort order");
        EXPECT_EQ(page.Heading(), "Please choose the order of imported pictures");
        shown = Get<QRadioButton>(page, IDC_SORT_DATE_DESC)->isChecked();
        EXPECT_EQ(Get<QRadioButton>(page, IDC_SORT_ASK)->text(), "Ask me");
        Get<QRadioButton>(page, IDC_SORT_NAME_DESC)->click();
        m_device->SoftKeys()->PressKey(false); // "Ok"
    }));
    EXPECT_TRUE(shown);
    EXPECT_EQ(Reloaded().pictureImportOrder, kImportByNameDescending);
}

TEST_F(SettingsPageTest, CameraPageCancelKeepsAndOkStores) {
    AppSettings().cameraRes = 2;
    SaveSettings(AppSettings());
    EXPECT_FALSE(RunPage(ID_SETTINGS_CAMERA, [&](CSettingsPageDlg& page) {
        EXPECT_TRUE(Get<QRadioButton>(page, IDC_CAMERA_3MP)->isChecked());
        EXPECT_EQ(Get<QRadioButton>(page, IDC_CAMERA_5MP)->text(), "5 Megapixles");
        Get<QRadioButton>(page, IDC_CAMERA_5MP)->click();
        page.Button(IDC_SETTINGS_CANCEL)->click();
    }));
    EXPECT_EQ(AppSettings().cameraRes, 2u);
    EXPECT_TRUE(RunPage(ID_SETTINGS_CAMERA, [&](CSettingsPageDlg& page) {
        Get<QRadioButton>(page, IDC_CAMERA_5MP)->click();
        page.Button(IDC_SETTINGS_OK)->click();
    }));
    EXPECT_EQ(Reloaded().cameraRes, 3u);
}

TEST_F(SettingsPageTest, CameraPageListsTheScannersAndStoresTheChoice) {
    // SANE's test scanners (tests/support): a flatbed and a document feeder each.
    EXPECT_TRUE(RunPage(ID_SETTINGS_CAMERA, [&](CSettingsPageDlg& page) {
        auto* sources = Get<QComboBox>(page, IDC_PAGE_SOURCE);
        auto* resolutions = Get<QComboBox>(page, IDC_SCANNER_RESOLUTION);
        auto* modes = Get<QComboBox>(page, IDC_SCANNER_MODE);
        EXPECT_EQ(Get<QLabel>(page, IDC_PAGE_SOURCE_PROMPT)->text(), "Take pages from:");
        EXPECT_EQ(sources->accessibleName(), "Take pages from:");
        EXPECT_EQ(resolutions->accessibleName(), "Scanner resolution");
        EXPECT_EQ(modes->accessibleName(), "Scanner colour mode");
        // The scanners are found on a worker; the page is usable meanwhile.
        EXPECT_TRUE(WaitFor([&] { return !IsLookingForScanners(sources); }));
        QStringList items;
        for (int i = 0; i < sources->count(); ++i)
            items << sources->itemText(i);
        EXPECT_EQ(items, QStringList({"Camera", "Noname frontend-tester (test:0), flatbed",
                                      "Noname frontend-tester (test:0), document feeder",
                                      "Noname frontend-tester (test:1), flatbed",
                                      "Noname frontend-tester (test:1), document feeder"}));
        // The camera by default; the resolution counts only for a scanner.
        EXPECT_EQ(sources->currentIndex(), 0);
        EXPECT_FALSE(resolutions->isEnabled());
        EXPECT_EQ(resolutions->currentText(), "300 dpi");
        sources->setCurrentIndex(2);
        EXPECT_TRUE(resolutions->isEnabled());
        resolutions->setCurrentIndex(resolutions->findText("600 dpi"));
        EXPECT_EQ(modes->currentText(), "Colour");
        modes->setCurrentIndex(modes->findText("Grey"));
        page.Button(IDC_SETTINGS_OK)->click();
    }));
    CAppSettings stored = Reloaded();
    EXPECT_EQ(stored.pageSource, "test:0");
    EXPECT_EQ(stored.scannerSource, 2u);
    EXPECT_EQ(stored.scannerResolution, 600u);
    EXPECT_EQ(stored.scannerMode, 1u);

    // Shown again as chosen; a scanner out of reach now stays the choice until changed.
    AppSettings() = stored;
    AppSettings().pageSource = "test:5";
    EXPECT_TRUE(RunPage(ID_SETTINGS_CAMERA, [&](CSettingsPageDlg& page) {
        auto* sources = Get<QComboBox>(page, IDC_PAGE_SOURCE);
        EXPECT_TRUE(WaitFor([&] { return !IsLookingForScanners(sources); }));
        EXPECT_EQ(sources->currentText(), "test:5, document feeder");
        page.Button(IDC_SETTINGS_OK)->click();
    }));
    EXPECT_EQ(Reloaded().pageSource, "test:5");
    EXPECT_TRUE(RunPage(ID_SETTINGS_CAMERA, [&](CSettingsPageDlg& page) {
        Get<QComboBox>(page, IDC_PAGE_SOURCE)->setCurrentIndex(0);
        page.Button(IDC_SETTINGS_OK)->click();
    }));
    EXPECT_TRUE(Reloaded().pageSource.isEmpty());
}

TEST_F(SettingsPageTest, TheScannerRowFitsEveryScreenUprightAndTurned) {
    // Upright the mode and resolution go under the sources; turned, where there is no room
    // below, all share one row. Either way nothing overlaps or reaches the footer.
    const struct {
        QSize size;
        bool oneRow;
    } screens[] = {
        {{480, 640}, false}, {{640, 480}, true}, {{240, 320}, false}, {{320, 240}, true}};
    for (const auto& screen : screens) {
        SCOPED_TRACE(screen.size.width());
        UseScreen(screen.size);
        EXPECT_FALSE(RunPage(ID_SETTINGS_CAMERA, [&](CSettingsPageDlg& page) {
            QWidget* prompt = Get<QLabel>(page, IDC_PAGE_SOURCE_PROMPT);
            QWidget* sources = Get<QComboBox>(page, IDC_PAGE_SOURCE);
            QWidget* modes = Get<QComboBox>(page, IDC_SCANNER_MODE);
            QWidget* resolutions = Get<QComboBox>(page, IDC_SCANNER_RESOLUTION);
            const QList<QWidget*> row = {prompt, sources, modes, resolutions};
            for (QWidget* a : row) {
                EXPECT_TRUE(page.rect().contains(a->geometry())) << a->metaObject()->className();
                EXPECT_LE(a->geometry().bottom(), FrameFooterTop(page.height()));
                EXPECT_GT(a->width(), 20);
                for (QWidget* b : row)
                    EXPECT_TRUE(a == b || !a->geometry().intersects(b->geometry()));
            }
            EXPECT_EQ(modes->y(), resolutions->y());
            EXPECT_EQ(sources->y() == modes->y(), screen.oneRow);
            page.Button(IDC_SETTINGS_CANCEL)->click();
        }));
    }
}

TEST_F(SettingsPageTest, CenterInsidePageStoresFitToPageZeroAndShowsAgain) {
    AppSettings().fitToPage = 1;
    AppSettings().autoPortrait = 1;
    EXPECT_TRUE(RunPage(ID_SETTINGS_EMBEDDING, [&](CSettingsPageDlg& page) {
        auto* list = Get<QComboBox>(page, IDC_EMBED_SCALING);
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(list->currentText(), "Fit to page");
        EXPECT_EQ(list->accessibleName(), "Embedded image scaling:");
        EXPECT_TRUE(Get<QCheckBox>(page, IDC_EMBED_AUTO_PORTRAIT)->isChecked());
        list->setCurrentIndex(1);
        Get<QCheckBox>(page, IDC_EMBED_AUTO_PORTRAIT)->click();
        QTest::keyClick(&page, Qt::Key_Return); // the default button
    }));
    CAppSettings stored = Reloaded();
    EXPECT_EQ(stored.fitToPage, 0u);
    EXPECT_EQ(stored.autoPortrait, 0u);
    AppSettings() = stored;
    RunPage(ID_SETTINGS_EMBEDDING, [&](CSettingsPageDlg& page) {
        EXPECT_EQ(Get<QComboBox>(page, IDC_EMBED_SCALING)->currentText(), "Center inside page");
        EXPECT_FALSE(Get<QCheckBox>(page, IDC_EMBED_AUTO_PORTRAIT)->isChecked());
        page.SendCommand(ID_PLATFORM_CANCEL);
    });
}

TEST_F(SettingsPageTest, ImagePageStoresStraighteningAndTheLookOfNewPages) {
    EXPECT_TRUE(RunPage(ID_SETTINGS_EMBEDDING, [&](CSettingsPageDlg& page) {
        auto* straighten = Get<QCheckBox>(page, IDC_EMBED_STRAIGHTEN);
        auto* looks = Get<QComboBox>(page, IDC_EMBED_ENHANCE);
        EXPECT_EQ(straighten->text(), "Straighten pages automatically");
        EXPECT_FALSE(straighten->isChecked());
        EXPECT_EQ(looks->accessibleName(), "Enhance new pages:");
        EXPECT_EQ(looks->count(), 4);
        EXPECT_EQ(looks->currentText(), "None");
        EXPECT_EQ(looks->itemText(2), "Black and white");
        straighten->click();
        looks->setCurrentIndex(3);
        QTest::keyClick(&page, Qt::Key_Return);
    }));
    const CAppSettings stored = Reloaded();
    EXPECT_EQ(stored.straightenPages, 1u);
    EXPECT_EQ(stored.enhanceLook, 3u);
    AppSettings() = stored;
    RunPage(ID_SETTINGS_EMBEDDING, [&](CSettingsPageDlg& page) {
        EXPECT_TRUE(Get<QCheckBox>(page, IDC_EMBED_STRAIGHTEN)->isChecked());
        EXPECT_EQ(Get<QComboBox>(page, IDC_EMBED_ENHANCE)->currentText(), "Colour document");
        page.SendCommand(ID_PLATFORM_CANCEL);
    });
}

TEST_F(SettingsPageTest, PdfPageShowsA4ForNineAndCancelKeepsThePaperSize) {
    AppSettings().pageSize = kPaperA4;
    SaveSettings(AppSettings());
    EXPECT_FALSE(RunPage(ID_SETTINGS_PDF, [&](CSettingsPageDlg& page) {
        auto* list = Get<QComboBox>(page, IDC_PDF_PAPER);
        EXPECT_EQ(list->count(), 12);
        EXPECT_EQ(list->itemText(0), "Letter");
        EXPECT_EQ(list->currentText(), "A4");
        list->setCurrentIndex(2);
        QTest::keyClick(&page, Qt::Key_Escape);
    }));
    EXPECT_EQ(Reloaded().pageSize, 9u);
    EXPECT_TRUE(RunPage(ID_SETTINGS_PDF, [&](CSettingsPageDlg& page) {
        Get<QComboBox>(page, IDC_PDF_PAPER)->setCurrentIndex(2);
        page.SendCommand(ID_OK);
    }));
    EXPECT_EQ(Reloaded().pageSize, 2u);
}

TEST_F(SettingsPageTest, PdfPageChoosesHowPicturesGoIn) {
    EXPECT_TRUE(RunPage(ID_SETTINGS_PDF, [&](CSettingsPageDlg& page) {
        auto* list = Get<QComboBox>(page, IDC_PDF_QUALITY);
        EXPECT_EQ(list->count(), 3);
        EXPECT_EQ(list->currentText(), "Original pictures");
        EXPECT_EQ(list->accessibleName(), "Pictures in the PDF:");
        list->setCurrentIndex(2);
        page.SendCommand(ID_OK);
    }));
    EXPECT_EQ(Reloaded().pictureQuality, 2u);
    // Shown as stored; Cancel keeps it.
    EXPECT_FALSE(RunPage(ID_SETTINGS_PDF, [&](CSettingsPageDlg& page) {
        auto* list = Get<QComboBox>(page, IDC_PDF_QUALITY);
        EXPECT_EQ(list->currentText(), "Smallest, black and white text");
        list->setCurrentIndex(1);
        QTest::keyClick(&page, Qt::Key_Escape);
    }));
    EXPECT_EQ(Reloaded().pictureQuality, 2u);
}

TEST_F(SettingsPageTest, PdfPageTurnsRecognitionOnWithItsLanguage) {
    // Off by default, English offered among the installed languages.
    EXPECT_TRUE(RunPage(ID_SETTINGS_PDF, [&](CSettingsPageDlg& page) {
        auto* check = Get<QCheckBox>(page, IDC_PDF_OCR);
        EXPECT_FALSE(check->isChecked());
        EXPECT_EQ(check->text(), "Recognise text (OCR)");
        auto* languages = Get<QComboBox>(page, IDC_PDF_OCR_LANGUAGE);
        // Shown by name, stored by Tesseract's code.
        EXPECT_EQ(languages->currentText(), "English");
        EXPECT_EQ(languages->currentData().toString(), "eng");
        EXPECT_EQ(languages->accessibleName(), "Language:");
        check->click();
        page.SendCommand(ID_OK);
    }));
    EXPECT_EQ(Reloaded().recogniseText, 1u);
    EXPECT_EQ(Reloaded().ocrLanguage, "eng");

    // A language whose data has gone stays chosen rather than changing unseen.
    AppSettings().ocrLanguage = "xyz";
    SaveSettings(AppSettings());
    EXPECT_TRUE(RunPage(ID_SETTINGS_PDF, [&](CSettingsPageDlg& page) {
        EXPECT_TRUE(Get<QCheckBox>(page, IDC_PDF_OCR)->isChecked());
        EXPECT_EQ(Get<QComboBox>(page, IDC_PDF_OCR_LANGUAGE)->currentText(), "xyz");
        EXPECT_EQ(Get<QComboBox>(page, IDC_PDF_OCR_LANGUAGE)->currentData().toString(), "xyz");
        Get<QCheckBox>(page, IDC_PDF_OCR)->click();
        page.SendCommand(ID_OK);
    }));
    EXPECT_EQ(Reloaded().recogniseText, 0u);
    EXPECT_EQ(Reloaded().ocrLanguage, "xyz");
}

TEST_F(SettingsPageTest, MiscPageStoresTheRememberedAnswerItself) {
    EXPECT_EQ(ReadRememberedAnswer(2), -1);
    EXPECT_TRUE(RunPage(ID_SETTINGS_MISC, [&](CSettingsPageDlg& page) {
        auto* check = Get<QCheckBox>(page, IDC_MISC_ASK_ACTIONS);
        EXPECT_TRUE(check->isChecked());
        EXPECT_EQ(check->text(), "Ask to share/view after creating a PDF");
        check->click();
        page.Button(IDC_SETTINGS_OK)->click();
    }));
    platform::ResetRegistry();
    EXPECT_EQ(ReadRememberedAnswer(2), 1);
    EXPECT_TRUE(RunPage(ID_SETTINGS_MISC, [&](CSettingsPageDlg& page) {
        EXPECT_FALSE(Get<QCheckBox>(page, IDC_MISC_ASK_ACTIONS)->isChecked());
        Get<QCheckBox>(page, IDC_MISC_ASK_ACTIONS)->click();
        page.SendCommand(ID_OK);
    }));
    platform::ResetRegistry();
    EXPECT_EQ(ReadRememberedAnswer(2), 0);
}

TEST_F(SettingsPageTest, ValuesOutOfRangeSelectNothingAndOkKeepsThem) {
    CAppSettings settings = AppSettings();
    settings.pageSize = 40;
    settings.pictureImportOrder = 9;
    for (int command : {ID_SETTINGS_PDF, ID_SETTINGS_IMPORT}) {
        CSettingsPageDlg page(command, settings);
        page.Prepare();
        page.SendCommand(ID_OK);
    }
    EXPECT_EQ(settings.pageSize, 40u);
    EXPECT_EQ(settings.pictureImportOrder, 9u);
    EXPECT_FALSE(RunSettingsPage(nullptr, ID_FILE_EXIT));
}

TEST_F(SettingsPageTest, EachPageIsAnnouncedByItsHeaderAndTakesTicksFromAScreenReader) {
    const std::pair<int, const char*> pages[] = {{ID_SETTINGS_IMPORT, "Sort order"},
                                                 {ID_SETTINGS_CAMERA, "Camera resolution"},
                                                 {ID_SETTINGS_EMBEDDING, "Images"},
                                                 {ID_SETTINGS_PDF, "PDF Settings"},
                                                 {ID_SETTINGS_MISC, "Misc settings"}};
    for (const auto& [command, title] : pages) {
        SCOPED_TRACE(title);
        CSettingsPageDlg page(command, AppSettings());
        page.Prepare();
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&page);
        ASSERT_NE(access, nullptr);
        EXPECT_EQ(access->role(), QAccessible::Dialog);
        EXPECT_EQ(access->text(QAccessible::Name), title);
        EXPECT_EQ(access->text(QAccessible::Name), page.Caption());
        EXPECT_EQ(access->text(QAccessible::Description), page.Heading());
    }

    // The Toggle action of a screen reader, on a check box and in a radio group.
    const auto toggle = [](QWidget* control) {
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(access, nullptr);
        QAccessibleActionInterface* action = access->actionInterface();
        ASSERT_NE(action, nullptr);
        action->doAction(QAccessibleActionInterface::toggleAction());
    };
    AppSettings().autoPortrait = 0;
    AppSettings().cameraRes = 0;
    EXPECT_TRUE(RunPage(ID_SETTINGS_EMBEDDING, [&](CSettingsPageDlg& page) {
        EXPECT_FALSE(Get<QCheckBox>(page, IDC_EMBED_AUTO_PORTRAIT)->isChecked());
        toggle(page.Control(IDC_EMBED_AUTO_PORTRAIT));
        page.SendCommand(ID_OK);
    }));
    EXPECT_TRUE(RunPage(ID_SETTINGS_CAMERA, [&](CSettingsPageDlg& page) {
        toggle(page.Control(IDC_CAMERA_5MP));
        page.SendCommand(ID_OK);
    }));
    EXPECT_EQ(Reloaded().autoPortrait, 1u);
    EXPECT_EQ(Reloaded().cameraRes, 3u);
}

} // namespace

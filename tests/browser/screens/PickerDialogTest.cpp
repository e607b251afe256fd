#include "browser/screens/PickerDialog.h"

#include "browser/screens/FileList.h"
#include "browser/screens/FolderTree.h"
#include "browser/screens/PathBox.h"
#include "resources/ResourceIds.h"
#include "tests/support/SkinnedDeviceTest.h"
#include "tests/support/TouchGestures.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/SoftKeyBar.h"
#include "ui/toolkit/SkinButton.h"

#include <QAccessible>
#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using namespace ids;

class PickerDialogTest : public CSkinnedDeviceTest {
protected:
    void SetUp() override {
        CSkinnedDeviceTest::SetUp();
        for (const char* name : {"docs/a.jpg", "docs/B.JPG", "docs/c.txt", "docs/sub/d.png",
                                 "docs/.hidden.jpg", "other/e.bmp"}) {
            QDir().mkpath(QFileInfo(PathIn(name)).path());
            WriteFile(PathIn(name), "x");
        }
    }
    // Runs the picker and lets `act` work on it; -1 when nothing ended it.
    int Run(CPickerDialog& picker, const std::function<void()>& act) {
        QTimer::singleShot(0, &picker, act);
        QTimer::singleShot(3000, &picker, [&] { picker.EndDialog(-1); });
        return picker.Show();
    }
    static QStringList ListedNames(CPickerDialog& picker) {
        QStringList names;
        for (int i = 0; i < picker.List()->topLevelItemCount(); ++i)
            names << picker.List()->topLevelItem(i)->text(0);
        return names;
    }
    bool OkButtonEnabled(CPickerDialog& picker) {
        return picker.Button(IDC_OK)->isEnabled() && picker.IsCommandEnabled(ID_OK) &&
               m_device->SoftKeys()->IsKeyEnabled(false);
    }
};

TEST_F(PickerDialogTest, FileModeOkOnlyWhileAFileIsSelected) {
    CPickerDialog picker(CPickerDialog::kPickFile);
    picker.SetFilter("*.jpg");
    picker.AddFilter("*.png");
    picker.SetInitialFolder(PathIn("docs"));
    bool before = true, afterFolder = true, afterFile = false, afterOtherFolder = true;
    const int result = Run(picker, [&] {
        before = OkButtonEnabled(picker);
        picker.SendCommand(ID_OK); // disabled: nothing happens
        picker.Tree()->SelectPath(PathIn("docs/sub"));
        afterFolder = OkButtonEnabled(picker);
        picker.Tree()->SelectPath(PathIn("docs"));
        ASSERT_TRUE(picker.List()->SelectFile("B.JPG"));
        afterFile = OkButtonEnabled(picker);
        EXPECT_TRUE(picker.GetSelectedFolder().isEmpty());
        picker.Tree()->SelectPath(PathIn("other"));
        afterOtherFolder = OkButtonEnabled(picker);
        picker.Tree()->SelectPath(PathIn("docs"));
        picker.List()->SelectFile("a.jpg");
        picker.SendCommand(ID_OK);
    });
    EXPECT_FALSE(before);
    EXPECT_FALSE(afterFolder);
    EXPECT_TRUE(afterFile);
    EXPECT_FALSE(afterOtherFolder);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(picker.GetSelectedFile(), PathIn("docs/a.jpg"));
    EXPECT_TRUE(picker.GetSelectedFolder().isEmpty());
}

TEST_F(PickerDialogTest, FolderModeFileSelectionTakesOkAway) {
    CPickerDialog picker(CPickerDialog::kPickFolder);
    picker.SetInitialFolder(PathIn("docs"));
    bool atStart = false, withFile = true, folderAgain = false;
    const int result = Run(picker, [&] {
        atStart = OkButtonEnabled(picker);
        picker.List()->SelectFile("c.txt");
        withFile = OkButtonEnabled(picker);
        picker.Tree()->SelectPath(PathIn("docs/sub"));
        folderAgain = OkButtonEnabled(picker);
        picker.Button(IDC_OK)->click();
    });
    EXPECT_TRUE(atStart);
    EXPECT_FALSE(withFile);
    EXPECT_TRUE(folderAgain);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(picker.GetSelectedFolder(), PathIn("docs/sub"));
    EXPECT_TRUE(picker.GetSelectedFile().isEmpty());
}

TEST_F(PickerDialogTest, BothModesAreAnnouncedByTheirHeader) {
    for (int mode : {CPickerDialog::kPickFile, CPickerDialog::kPickFolder}) {
        SCOPED_TRACE(mode);
        CPickerDialog picker(mode);
        picker.SetTitles("Import file", "Please select the file to import");
        picker.SetInitialFolder(PathIn("docs"));
        picker.Prepare();
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&picker);
        ASSERT_NE(access, nullptr);
        EXPECT_EQ(access->role(), QAccessible::Dialog);
        EXPECT_EQ(access->text(QAccessible::Name), "Import file");
        EXPECT_EQ(access->text(QAccessible::Description), "Please select the file to import");
    }
}

TEST_F(PickerDialogTest, FiltersHiddenFilesAndColumns) {
    CPickerDialog all(CPickerDialog::kPickFile);
    all.SetInitialFolder(PathIn("docs"));
    all.Prepare();
    EXPECT_EQ(ListedNames(all), (QStringList{"a.jpg", "B.JPG", "c.txt"}));
    EXPECT_EQ(all.List()->columnCount(), 5);
    EXPECT_EQ(all.List()->headerItem()->text(3), "Attributes");
    EXPECT_EQ(all.PathBox()->Path(), PathIn("docs"));
    // The template's place holders are gone; their identifiers name the browser's controls.
    EXPECT_EQ(all.Control(IDC_BROWSER_TREE), all.Tree());
    EXPECT_EQ(all.Control(IDC_BROWSER_LIST), all.List());
    EXPECT_EQ(all.Control(IDC_BROWSER_PATH), all.PathBox());

    CPickerDialog jpeg(CPickerDialog::kPickFile);
    jpeg.SetFilter("*.jpg");
    jpeg.SetInitialFolder(PathIn("docs"));
    jpeg.Prepare();
    EXPECT_EQ(ListedNames(jpeg), (QStringList{"a.jpg", "B.JPG"}));

    // A tap on the Name header reverses the order.
    jpeg.List()->sortByColumn(0, Qt::DescendingOrder);
    EXPECT_EQ(ListedNames(jpeg), (QStringList{"B.JPG", "a.jpg"}));
}

TEST_F(PickerDialogTest, ActivatingAFileClosesWithOkAndCancelWithTwo) {
    {
        CPickerDialog picker(CPickerDialog::kPickFile);
        picker.SetInitialFolder(PathIn("docs"));
        const int result = Run(picker, [&] {
            picker.List()->SelectFile("c.txt");
            picker.List()->setFocus();
            QTest::keyClick(picker.List(), Qt::Key_Return);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(picker.GetSelectedFile(), PathIn("docs/c.txt"));
    }
    for (int command : {int(ID_PLATFORM_CANCEL), int(IDC_CANCEL)}) {
        CPickerDialog picker(CPickerDialog::kPickFolder);
        EXPECT_EQ(Run(picker, [&] { picker.SendCommand(command); }), IDCANCEL);
    }
    CPickerDialog picker(CPickerDialog::kPickFolder);
    EXPECT_EQ(Run(picker, [&] { QTest::keyClick(picker.Tree(), Qt::Key_Escape); }), IDCANCEL);
}

TEST_F(PickerDialogTest, PathBoxPopupChoosesAFolder) {
    auto owned = std::make_unique<CPickerDialog>(CPickerDialog::kPickFolder);
    CPickerDialog& picker = *owned;
    picker.SetInitialFolder(PathIn("docs"));
    const int result = Run(picker, [&] {
        picker.PathBox()->setFocus();
        QTest::keyClick(picker.PathBox(), Qt::Key_F4);
        ASSERT_TRUE(picker.PathBox()->IsDroppedDown());
        CFolderTree* popup = picker.PathBox()->PopupTree();
        EXPECT_EQ(popup->SelectedPath(), PathIn("docs"));
        EXPECT_EQ(popup->width(), picker.PathBox()->width());
        popup->SelectPath(PathIn("other"));
        QTest::keyClick(popup, Qt::Key_Return);
        EXPECT_FALSE(picker.PathBox()->IsDroppedDown());
        EXPECT_EQ(picker.Tree()->SelectedPath(), PathIn("other"));
        EXPECT_EQ(ListedNames(picker), QStringList{"e.bmp"});
        picker.SendCommand(ID_OK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(picker.GetSelectedFolder(), PathIn("other"));
    // The popup lives in the device window; it goes with its picker.
    owned.reset();
    EXPECT_TRUE(m_device->findChildren<CFolderTree*>().isEmpty());
}

TEST_F(PickerDialogTest, MissingInitialFolderOpensItsParentAndTheRootShowsTheDevice) {
    CPickerDialog picker(CPickerDialog::kPickFolder);
    picker.SetInitialFolder(PathIn("docs/gone/deeper"));
    picker.Prepare();
    EXPECT_EQ(picker.Tree()->SelectedPath(), PathIn("docs"));
    EXPECT_EQ(picker.Tree()->topLevelItem(0)->text(0), "My Device");
    EXPECT_EQ(CFolderTree::PathOf(picker.Tree()->topLevelItem(0)), "/");
}

// How many file rows the list shows whole.
int WholeRows(const CFileList* list) {
    const int row = list->visualItemRect(list->topLevelItem(0)).height();
    return row > 0 ? list->viewport()->height() / row : 0;
}

TEST_F(PickerDialogTest, AtLeastThreeFileRowsShowOnEverySupportedScreen) {
    for (int i = 0; i < 5; ++i)
        WriteFile(PathIn(QStringLiteral("docs/page%1.jpg").arg(i)), "x");
    const struct {
        QSize screen;
        int rows;
        int rowHeight;
    } kScreens[] = {
        {{240, 320}, 3, 18}, {{320, 240}, 3, 18}, {{480, 640}, 3, 34}, {{640, 480}, 4, 34}};
    for (const auto& expected : kScreens) {
        SCOPED_TRACE(expected.screen.width());
        UseScreen(expected.screen);
        CPickerDialog picker(CPickerDialog::kPickFile);
        picker.SetInitialFolder(PathIn("docs"));
        int rows = -1, rowHeight = -1, iconSize = -1;
        Run(picker, [&] {
            rows = WholeRows(picker.List());
            rowHeight = picker.List()->visualItemRect(picker.List()->topLevelItem(0)).height();
            iconSize = picker.List()->iconSize().height();
            picker.EndDialog(IDCANCEL);
        });
        EXPECT_GE(rows, 3);
        EXPECT_EQ(rows, expected.rows);
        EXPECT_EQ(rowHeight, expected.rowHeight);
        // The icons of the screen class: doubled on a high-resolution screen.
        EXPECT_EQ(iconSize, expected.screen.width() >= 480 ? 32 : 16);
    }
}

TEST_F(PickerDialogTest, AFingerFlicksALongFileListWithoutChoosingAFile) {
    for (int i = 0; i < 80; ++i)
        WriteFile(PathIn(QStringLiteral("docs/scan%1.jpg").arg(i, 2, 10, QLatin1Char('0'))), "x");
    CPickerDialog picker(CPickerDialog::kPickFile);
    picker.SetInitialFolder(PathIn("docs"));
    int lifted = -1, rested = -1;
    QString chosen = QStringLiteral("?");
    Run(picker, [&] {
        QWidget* viewport = picker.List()->viewport();
        QScrollBar* bar = picker.List()->verticalScrollBar();
        const QPoint bottom(viewport->width() / 2, viewport->height() - 5);
        Flick(viewport, bottom, QPoint(bottom.x(), 5));
        lifted = bar->value();
        // It glides on after the finger is lifted.
        WaitFor([&] { return bar->value() > lifted; });
        rested = bar->value();
        chosen = picker.GetSelectedFile();
        picker.EndDialog(IDCANCEL);
    });
    EXPECT_GT(lifted, 0);
    EXPECT_GT(rested, lifted);
    // A flick is no choice: the file under the finger was not selected.
    EXPECT_TRUE(chosen.isEmpty());
}

} // namespace

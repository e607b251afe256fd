#include "program/tour/TourContext.h"

#include "app/AppSettings.h"
#include "program/StartupRecovery.h"
#include "resources/ResourceIds.h"
#include "screens/FrameList.h"
#include "screens/ImportCommands.h"
#include "screens/MainDlg.h"
#include "screens/PageChooserDlg.h"
#include "screens/PageCommands.h"
#include "session/PageOperations.h"
#include "text/Strings.h"
#include "ui/device/Screen.h"
#include "ui/toolkit/QuestionBox.h"

#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <utility>

namespace {

// A photographed sheet: paper with a heading and lines of text, a little shade at one edge.
QString DrawSheet(const QString& folder, const QString& name, int width, int height,
                  QColor accent) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0xF4, 0xF1, 0xEA));
    QPainter p(&image);
    const int margin = width / 10;
    p.fillRect(QRect(margin, margin, width - 2 * margin, height / 14), accent);
    p.setPen(Qt::NoPen);
    const int line = height / 40;
    int y = margin + height / 14 + 2 * line;
    for (int i = 0; y + line < height - margin; ++i, y += 2 * line) {
        const int length = (width - 2 * margin) * (i % 5 == 4 ? 55 : 85 + (i * 7) % 15) / 100;
        p.fillRect(QRect(margin, y, length, line * 2 / 3), QColor(0x44, 0x44, 0x48));
    }
    const int shadeWidth = width / 8;
    QLinearGradient shade(0, 0, shadeWidth, 0);
    shade.setColorAt(0, QColor(0, 0, 0, 60));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRect(0, 0, width / 8, height), shade);
    p.end();
    QString path = QDir(folder).filePath(name);
    image.save(path, "JPG", 90);
    return path;
}

// Shows the screen over the main screen, photographs it and takes it down.
void ShootModeless(CTourContext& tour, CScreen& screen, const QString& name) {
    if (auto* box = dynamic_cast<CQuestionBox*>(&screen))
        box->Prepare();
    if (!screen.IsRunning())
        screen.ShowModeless();
    tour.Shot(name);
    screen.DestroyScreen();
}

void AddSheet(CMainDlg* main, const QString& path) {
    if (std::unique_ptr<CPage> page = main->Session().MakePageFromFile(path))
        main->Session().AddPage(std::move(page));
}

} // namespace

void RunMainTour(CTourContext& tour) {
    using namespace ids;
    CMainDlg* main = tour.Main();
    const QString folder = tour.ScratchFolder();
    const QColor accents[] = {QColor(0x2F, 0x5D, 0x8C), QColor(0x8C, 0x3B, 0x2F),
                              QColor(0x3B, 0x7A, 0x4A), QColor(0x6A, 0x4C, 0x93)};
    // Portrait pages at the camera's 2 MP, one landscape page at 3.2 MP and a blank page:
    // more than the strip can show, with the selected frame in the middle.
    for (int i = 0; i < 4; ++i)
        AddSheet(main, DrawSheet(folder, QStringLiteral("page_%1.jpg").arg(i + 1), 1200, 1600,
                                 accents[i % 4]));
    // Imported as it is (no upright copy), so the strip and preview show a landscape page.
    const std::uint32_t autoPortrait = std::exchange(AppSettings().autoPortrait, 0u);
    AddSheet(main, DrawSheet(folder, QStringLiteral("wide.jpg"), 2048, 1536, accents[1]));
    AppSettings().autoPortrait = autoPortrait;
    main->Strip()->Select(0);
    main->SendCommand(ID_ADD_BLANK_PAGE);
    for (int i = 4; i < 8; ++i)
        AddSheet(main, DrawSheet(folder, QStringLiteral("page_%1.jpg").arg(i + 1), 1200, 1600,
                                 accents[i % 4]));
    main->Strip()->Select(6);
    main->Strip()->NotifyCurrent();
    main->RefreshControls();
    tour.WaitUntil([main] { return main->HasPainted(); });
    tour.Shot(QStringLiteral("20-main-pages"));

    main->Strip()->Select(4); // the landscape page
    main->Strip()->NotifyCurrent();
    tour.Shot(QStringLiteral("21-main-landscape-page"));

    // The questions and the chooser are shown without a modal loop of their own: each is
    // photographed as the command would show it, then taken down again.
    {
        CQuestionBox notice(main);
        CMainDlg::PrepareCameraNotice(notice);
        ShootModeless(tour, notice, QStringLiteral("22-main-camera-notice"));
    }
    {
        CQuestionBox question(main);
        PrepareDeleteQuestion(question);
        ShootModeless(tour, question, QStringLiteral("23-main-delete-question"));
    }
    {
        CPageChooserDlg chooser(main);
        const int current = main->Session().CurrentIndex();
        chooser.SetChoices(SwapChoices(current, main->PageCount()));
        chooser.SetHeader(LoadFormatted(IDS_SWAP_PAGE), LoadFormatted(IDS_SELECT_PAGE_SWAP));
        chooser.SetPrompt(LoadFormatted(IDS_SELECT_DESTINATION_PAGE_1172));
        chooser.ShowModeless();
        chooser.List()->setCurrentIndex(1);
        ShootModeless(tour, chooser, QStringLiteral("24-main-page-chooser"));
    }
    // What a start after an unclean end asks, and what it says about pictures that are gone.
    {
        CQuestionBox question(main);
        PrepareRestoreQuestion(question, main->PageCount());
        ShootModeless(tour, question, QStringLiteral("25-main-restore-question"));
    }
    {
        CQuestionBox notice(main);
        CMainDlg::PrepareMissingPagesNotice(notice,
                                            {QDir(folder).filePath(QStringLiteral("page_7.jpg")),
                                             QDir(folder).filePath(QStringLiteral("page_8.jpg"))});
        ShootModeless(tour, notice, QStringLiteral("26-main-restore-missing"));
    }
    // What an import says about a multi-page picture whose further pages could not be written.
    {
        CQuestionBox notice(main);
        PrepareIncompleteImportNotice(
            notice, {QStringLiteral("letter.tif"), QStringLiteral("invoice.tiff")}, true);
        ShootModeless(tour, notice, QStringLiteral("27-main-import-incomplete"));
    }
    // Later stops start from an empty session.
    main->Session().ClearSession();
    main->RefreshControls();
}

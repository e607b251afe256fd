#include "pdf/screens/PdfSetupDialog.h"

#include "app/AppSettings.h"
#include "browser/screens/PathBox.h"
#include "pdf/PictureQuality.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

using namespace ids;

QString DefaultPdfFileName(const QDateTime& now) {
    const QDate d = now.date();
    const QTime t = now.time();
    return QString::asprintf("%04d%02d%02d_%02d%02d.pdf", d.year(), d.month(), d.day(), t.hour(),
                             t.minute());
}

QString JoinOutputPath(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

CPdfSetupDialog::CPdfSetupDialog(CAppSettings& settings, CScreen* owner)
    : CDialog(IDD_PDF_SETUP, owner), m_settings(settings) {
    m_folder = new CPathBox(m_icons, this);
    QWidget* holder = Control(IDC_SETUP_FOLDER);
    AttachControl(IDC_SETUP_FOLDER, m_folder);
    delete holder;
    ApplyFont(GetFontCode(kFontDialog), m_folder);
    m_quality = new QComboBox(this);
    QWidget* qualityHolder = Control(IDC_SETUP_QUALITY);
    AttachControl(IDC_SETUP_QUALITY, m_quality);
    delete qualityHolder;
    ApplyFont(GetFontCode(kFontDialog), m_quality);
    // In the order of the PictureQuality values.
    for (std::uint16_t text : {IDS_QUALITY_ORIGINAL, IDS_QUALITY_EMAIL, IDS_QUALITY_BLACK_WHITE})
        m_quality->addItem(LoadFormatted(text));
    m_quality->setCurrentIndex(int(PictureQualityOf(m_settings)));

    const QString file = LoadFormatted(IDS_PDF_FILE_LABEL);
    const QString folder = LoadFormatted(IDS_PDF_FOLDER_LABEL);
    SetDlgItemText(IDC_SETUP_FILE_LABEL, file);
    SetDlgItemText(IDC_SETUP_FOLDER_LABEL, folder);
    const QString quality = LoadFormatted(IDS_SETTINGS_QUALITY_PROMPT);
    SetDlgItemText(IDC_SETUP_QUALITY_LABEL, quality);
    if (auto* label = ControlAs<QLabel>(IDC_SETUP_QUALITY_LABEL))
        label->setBuddy(m_quality);
    m_quality->setAccessibleName(quality.chopped(1));
    FileEdit()->setAccessibleName(file.chopped(1));
    m_folder->setAccessibleName(folder.chopped(1));
    RaiseInputPanelOnFocus(FileEdit());
    SetupStandardButton(Button(IDC_QB_BUTTON_CANCEL), kButtonCancel);
    SetupStandardButton(Button(IDC_QB_BUTTON_OK), kButtonOk);
    setAccessibleName(LoadFormatted(IDS_PDF_SETUP));
    setAccessibleDescription(LoadFormatted(IDS_CONFIGURE_PDF_FILE_PROPERTIES));
    setTabOrder(FileEdit(), m_folder);
    setTabOrder(m_folder, m_quality);
    SetMenuBarId(IDR_MENU_SETTINGS);

    for (int id : {IDC_QB_BUTTON_OK, ID_ACTION_OK})
        OnCommandId(id, [this] { Confirm(); });
    for (int id : {IDC_QB_BUTTON_CANCEL, ID_ACTION_CANCEL, ID_PLATFORM_CANCEL})
        OnCommandId(id, [this] { EndDialog(IDCANCEL); });
    OnCommandId(ID_ADVANCED, [] {});
}

CPdfSetupDialog::~CPdfSetupDialog() {
    if (m_picture)
        SkinReleaseImage(m_picture);
}

QLineEdit* CPdfSetupDialog::FileEdit() const {
    return ControlAs<QLineEdit>(IDC_SETUP_FILE);
}

void CPdfSetupDialog::OnInitDialog() {
    m_picture = SkinAddImage(IDB_HEADER_DOCUMENT);
    FileEdit()->setText(DefaultPdfFileName(m_now.isValid() ? m_now : QDateTime::currentDateTime()));
    QString folder = m_settings.lastSaveFolder;
    if (folder.isEmpty())
        folder = QDir::homePath();
    m_folder->SetPath(folder);
    m_folder->show();
    m_quality->show();
    Layout();
    FileEdit()->setFocus();
}

void CPdfSetupDialog::Confirm() {
    const QString folder = m_folder->Path();
    m_settings.lastSaveFolder = folder;
    SaveSetting(m_settings, &CAppSettings::lastSaveFolder);
    if (const int quality = m_quality->currentIndex(); quality >= 0) {
        m_settings.pictureQuality = std::uint32_t(quality);
        SaveSetting(m_settings, &CAppSettings::pictureQuality);
    }
    m_output = JoinOutputPath(folder, FileEdit()->text());
    EndDialog(IDOK);
}

void CPdfSetupDialog::Layout() {
    const int w = width();
    const int h = height();
    const int margin = ScalePixels(7);
    const int gap = ScalePixels(3);
    int y = FrameHeaderBottom() + ScalePixels(8);
    auto place = [&](int id, int height) {
        PlaceControlPixels(id, QRect(margin, y, w - 2 * margin, height));
        y += height + gap;
    };
    const int label = ScalePixels(14);
    const int field = std::max(FileEdit()->sizeHint().height(), ScalePixels(18));
    place(IDC_SETUP_FILE_LABEL, label);
    place(IDC_SETUP_FILE, field);
    y += gap;
    place(IDC_SETUP_FOLDER_LABEL, label);
    place(IDC_SETUP_FOLDER, std::max(m_folder->sizeHint().height(), field));
    y += gap;
    place(IDC_SETUP_QUALITY_LABEL, label);
    place(IDC_SETUP_QUALITY, std::max(m_quality->sizeHint().height(), field));
    const int footerTop = FrameFooterTop(h);
    for (int id : {IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_OK}) {
        CSkinButton* b = Button(id);
        const QSize bs = b->sizeHint();
        const int by = footerTop + (h - footerTop - bs.height() + ScalePixels(1)) / 2;
        const int x = id == IDC_QB_BUTTON_CANCEL ? ScalePixels(4) : w - ScalePixels(4) - bs.width();
        PlaceControlPixels(id, QRect(x, by, bs.width(), bs.height()));
    }
    if (m_folder->IsDroppedDown())
        m_folder->DropDown();
}

void CPdfSetupDialog::OnClose() {
    m_folder->CloseUp();
}

void CPdfSetupDialog::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, LoadFormatted(IDS_PDF_SETUP),
                    LoadFormatted(IDS_CONFIGURE_PDF_FILE_PROPERTIES), m_picture, kFooterBand);
}

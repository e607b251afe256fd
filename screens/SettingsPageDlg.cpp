#include "screens/SettingsPageDlg.h"

#include "app/AppSettings.h"
#include "ocr/OcrEngine.h"
#include "pdf/PaperSizes.h"
#include "resources/ResourceIds.h"
#include "scanner/screens/PageSourceChoice.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/RememberedAnswers.h"
#include "ui/toolkit/ResourceTables.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPainter>

namespace {

using namespace ids;

// The question box whose remembered answer the Misc page edits: view or share after a PDF.
constexpr int kActionsBoxNumber = 2;
constexpr int kPaperSizeCount = int(kPaperSizes.size());

constexpr std::initializer_list<int> kSortGroup = {IDC_SORT_NAME_ASC, IDC_SORT_NAME_DESC,
                                                   IDC_SORT_DATE_ASC, IDC_SORT_DATE_DESC,
                                                   IDC_SORT_NONE,     IDC_SORT_ASK};
constexpr std::initializer_list<int> kCameraGroup = {IDC_CAMERA_DEFAULT, IDC_CAMERA_2MP,
                                                     IDC_CAMERA_3MP, IDC_CAMERA_5MP};

struct CPageInfo {
    int command;
    int templateId;
    std::uint16_t caption, heading;
    std::uint32_t picture;
};

constexpr CPageInfo kPages[] = {
    {ID_SETTINGS_IMPORT, IDD_SORT_ORDER, IDS_SORT_ORDER, IDS_CHOOSE_ORDER_IMPORTED_PICTURES,
     IDB_HEADER_IMPORT},
    {ID_SETTINGS_CAMERA, IDD_SETTINGS_CAMERA, IDS_CAMERA_RESOLUTION,
     IDS_CONFIGURE_CAMERA_RESOLUTION, IDB_HEADER_CAMERA},
    {ID_SETTINGS_EMBEDDING, IDD_SETTINGS_IMAGES, IDS_IMAGES, IDS_IMAGE_PROCESSING_SETTINGS,
     IDB_HEADER_IMAGES},
    {ID_SETTINGS_PDF, IDD_SETTINGS_PDF, IDS_PDF_SETTINGS, IDS_OUTPUT_PDF_FILE_CONFIGURATION,
     IDB_HEADER_PDF},
    {ID_SETTINGS_MISC, IDD_SETTINGS_MISC, IDS_MISC_SETTINGS, IDS_MISCELLANEOUS_SETTINGS,
     IDB_MSG_SETTINGS},
};

const CPageInfo& PageOf(int command) {
    for (const CPageInfo& page : kPages)
        if (page.command == command)
            return page;
    return kPages[0];
}

} // namespace

int CSettingsPageDlg::TemplateOf(int command) {
    for (const CPageInfo& page : kPages)
        if (page.command == command)
            return page.templateId;
    return 0;
}

CSettingsPageDlg::CSettingsPageDlg(int command, CAppSettings& settings, CScreen* owner)
    : CDialog(PageOf(command).templateId, owner), m_command(PageOf(command).command),
      m_settings(settings) {
    const CPageInfo& page = PageOf(command);
    m_caption = LoadFormatted(page.caption);
    m_heading = LoadFormatted(page.heading);
    m_pictureId = page.picture;
    // Assistive tools announce the page by its header, as the eye reads it.
    setAccessibleName(m_caption);
    setAccessibleDescription(m_heading);

    const std::pair<int, std::uint16_t> texts[] = {
        {IDC_SORT_PROMPT, IDS_SETTINGS_SORT_PROMPT},
        {IDC_SORT_NAME_ASC, IDS_SETTINGS_SORT_NAME_ASC},
        {IDC_SORT_NAME_DESC, IDS_SETTINGS_SORT_NAME_DESC},
        {IDC_SORT_DATE_ASC, IDS_SETTINGS_SORT_DATE_ASC},
        {IDC_SORT_DATE_DESC, IDS_SETTINGS_SORT_DATE_DESC},
        {IDC_SORT_NONE, IDS_SETTINGS_SORT_NONE},
        {IDC_SORT_ASK, IDS_SETTINGS_SORT_ASK}};
    const std::pair<int, std::uint16_t> cameraTexts[] = {
        {IDC_CAMERA_PROMPT, IDS_SETTINGS_CAMERA_PROMPT},
        {IDC_CAMERA_DEFAULT, IDS_SETTINGS_CAMERA_DEFAULT},
        {IDC_CAMERA_2MP, IDS_SETTINGS_CAMERA_2MP},
        {IDC_CAMERA_3MP, IDS_SETTINGS_CAMERA_3MP},
        {IDC_CAMERA_5MP, IDS_SETTINGS_CAMERA_5MP}};
    switch (m_command) {
    case ID_SETTINGS_IMPORT:
        for (auto [id, text] : texts)
            SetDlgItemText(id, LoadFormatted(text));
        break;
    case ID_SETTINGS_CAMERA:
        for (auto [id, text] : cameraTexts)
            SetDlgItemText(id, LoadFormatted(text));
        SetDlgItemText(IDC_PAGE_SOURCE_PROMPT, PageSourcePrompt());
        AddList(IDC_PAGE_SOURCE, IDC_PAGE_SOURCE_PROMPT);
        AddList(IDC_SCANNER_MODE, 0)->setAccessibleName(ScannerModeName());
        AddList(IDC_SCANNER_RESOLUTION, 0)->setAccessibleName(ScannerResolutionName());
        break;
    case ID_SETTINGS_EMBEDDING: {
        SetDlgItemText(IDC_EMBED_PROMPT, LoadFormatted(IDS_SETTINGS_SCALING_PROMPT));
        SetDlgItemText(IDC_EMBED_AUTO_PORTRAIT, LoadFormatted(IDS_SETTINGS_AUTO_PORTRAIT));
        AddList(IDC_EMBED_SCALING, IDC_EMBED_PROMPT);
        SetDlgItemText(IDC_EMBED_STRAIGHTEN, LoadFormatted(IDS_SETTINGS_STRAIGHTEN));
        SetDlgItemText(IDC_EMBED_ENHANCE_PROMPT, LoadFormatted(IDS_SETTINGS_ENHANCE_PROMPT));
        AddList(IDC_EMBED_ENHANCE, IDC_EMBED_ENHANCE_PROMPT);
        break;
    }
    case ID_SETTINGS_PDF:
        SetDlgItemText(IDC_PDF_PROMPT, LoadFormatted(IDS_SETTINGS_PAPER_PROMPT));
        AddList(IDC_PDF_PAPER, IDC_PDF_PROMPT);
        SetDlgItemText(IDC_PDF_QUALITY_PROMPT, LoadFormatted(IDS_SETTINGS_QUALITY_PROMPT));
        AddList(IDC_PDF_QUALITY, IDC_PDF_QUALITY_PROMPT);
        SetDlgItemText(IDC_PDF_OCR, LoadFormatted(IDS_OCR_SETTING));
        SetDlgItemText(IDC_PDF_OCR_PROMPT, LoadFormatted(IDS_OCR_LANGUAGE));
        AddList(IDC_PDF_OCR_LANGUAGE, IDC_PDF_OCR_PROMPT);
        break;
    case ID_SETTINGS_MISC:
        SetDlgItemText(IDC_MISC_ASK_ACTIONS, LoadFormatted(IDS_SETTINGS_ASK_ACTIONS));
        break;
    }

    OnCommandId(IDC_SETTINGS_OK, [this] { Store(); });
    OnCommandId(ID_OK, [this] { Store(); });
    OnCommandId(IDC_SETTINGS_CANCEL, [this] { EndDialog(IDCANCEL); });
    OnCommandId(ID_PLATFORM_CANCEL, [this] { EndDialog(IDCANCEL); });
}

CSettingsPageDlg::~CSettingsPageDlg() {
    if (m_picture)
        SkinReleaseImage(std::exchange(m_picture, 0));
}

QComboBox* CSettingsPageDlg::AddList(int id, int promptId) {
    auto* list = new QComboBox(this);
    // The place holder goes at once (a deferred delete would wait for the outermost event
    // loop); it was hidden along with the screen that is not shown yet.
    QWidget* holder = Control(id);
    AttachControl(id, list);
    delete holder;
    list->show();
    ApplyFont(GetFontCode(kFontDialog), list);
    if (auto* prompt = ControlAs<QLabel>(promptId)) {
        prompt->setBuddy(list);
        list->setAccessibleName(prompt->text());
    }
    return list;
}

void CSettingsPageDlg::SetChecked(int id, bool checked) {
    if (auto* button = ControlAs<QAbstractButton>(id))
        button->setChecked(checked);
}

bool CSettingsPageDlg::IsChecked(int id) const {
    auto* button = ControlAs<QAbstractButton>(id);
    return button && button->isChecked();
}

int CSettingsPageDlg::CheckedIndex(std::initializer_list<int> group) const {
    int index = 0;
    for (int id : group) {
        if (IsChecked(id))
            return index;
        ++index;
    }
    return -1;
}

void CSettingsPageDlg::Prepare() {
    m_prepared = true;
    // The device emulates platform version 5 and later; "Ok" is bound on every page.
    SetMenuBarId(IDR_MENU_OK_CANCEL_5);
    SetupStandardButton(Button(IDC_SETTINGS_CANCEL), kButtonCancel);
    SetupStandardButton(Button(IDC_SETTINGS_OK), kButtonOk);
    Button(IDC_SETTINGS_OK)->SetDefaultButton(true);
    if (!m_picture)
        m_picture = SkinAddImage(m_pictureId);

    switch (m_command) {
    case ID_SETTINGS_IMPORT: {
        const std::uint32_t order = m_settings.pictureImportOrder;
        if (order < kSortGroup.size())
            SetChecked(kSortGroup.begin()[order], true);
        break;
    }
    case ID_SETTINGS_CAMERA:
        if (m_settings.cameraRes < kCameraGroup.size())
            SetChecked(kCameraGroup.begin()[m_settings.cameraRes], true);
        FillPageSourceLists(ControlAs<QComboBox>(IDC_PAGE_SOURCE),
                            ControlAs<QComboBox>(IDC_SCANNER_MODE),
                            ControlAs<QComboBox>(IDC_SCANNER_RESOLUTION), m_settings);
        break;
    case ID_SETTINGS_EMBEDDING: {
        auto* list = ControlAs<QComboBox>(IDC_EMBED_SCALING);
        list->clear();
        list->addItem(LoadFormatted(IDS_FIT_PAGE));
        list->addItem(LoadFormatted(IDS_CENTER_INSIDE_PAGE));
        list->setCurrentIndex(m_settings.fitToPage == 1 ? 0 : (m_settings.fitToPage == 0 ? 1 : -1));
        SetChecked(IDC_EMBED_AUTO_PORTRAIT, m_settings.autoPortrait != 0);
        SetChecked(IDC_EMBED_STRAIGHTEN, m_settings.straightenPages != 0);
        // In the order of the EnhanceLook values.
        auto* looks = ControlAs<QComboBox>(IDC_EMBED_ENHANCE);
        looks->clear();
        for (std::uint16_t text :
             {IDS_LOOK_NONE, IDS_LOOK_GREY, IDS_LOOK_BLACK_WHITE, IDS_LOOK_COLOUR})
            looks->addItem(LoadFormatted(text));
        looks->setCurrentIndex(m_settings.enhanceLook < 4 ? int(m_settings.enhanceLook) : 0);
        break;
    }
    case ID_SETTINGS_PDF: {
        auto* list = ControlAs<QComboBox>(IDC_PDF_PAPER);
        list->clear();
        for (int i = 0; i < kPaperSizeCount; ++i)
            list->addItem(LoadFormatted(std::uint16_t(IDS_PAPER_LETTER + i)));
        list->setCurrentIndex(m_settings.pageSize < kPaperSizeCount ? int(m_settings.pageSize)
                                                                    : -1);
        // In the order of the PictureQuality values.
        auto* qualities = ControlAs<QComboBox>(IDC_PDF_QUALITY);
        qualities->clear();
        for (std::uint16_t text :
             {IDS_QUALITY_ORIGINAL, IDS_QUALITY_EMAIL, IDS_QUALITY_BLACK_WHITE})
            qualities->addItem(LoadFormatted(text));
        qualities->setCurrentIndex(m_settings.pictureQuality < 3 ? int(m_settings.pictureQuality)
                                                                 : 0);
        SetChecked(IDC_PDF_OCR, m_settings.recogniseText != 0);
        // The installed languages by their names, each holding its code; the chosen one
        // stays even when its data has gone, so that the page does not change it behind the
        // user's back.
        auto* languages = ControlAs<QComboBox>(IDC_PDF_OCR_LANGUAGE);
        languages->clear();
        const QString chosen =
            m_settings.ocrLanguage.isEmpty() ? QStringLiteral("eng") : m_settings.ocrLanguage;
        for (const COcrLanguage& language : COcrEngine::AvailableLanguages())
            languages->addItem(language.name, language.code);
        if (languages->findData(chosen) < 0)
            languages->insertItem(0, COcrEngine::LanguageName(chosen), chosen);
        languages->setCurrentIndex(languages->findData(chosen));
        break;
    }
    case ID_SETTINGS_MISC:
        SetChecked(IDC_MISC_ASK_ACTIONS, ReadRememberedAnswer(kActionsBoxNumber) != 1);
        break;
    }
    Layout();
    // The first control of the page takes the focus, so the keyboard starts there.
    for (const auto& c : FindDialogTemplate(TemplateId())->controls) {
        QWidget* w = Control(c.id);
        if (w && c.kind != EControlKind::Static && (w->focusPolicy() & Qt::TabFocus)) {
            auto* radio = qobject_cast<QAbstractButton*>(w);
            if (radio && radio->autoExclusive() && !radio->isChecked())
                continue;
            w->setFocus();
            break;
        }
    }
}

int CSettingsPageDlg::Show() {
    if (!m_prepared)
        Prepare();
    return DoModal();
}

void CSettingsPageDlg::Store() {
    // A group or list without a selection leaves its setting as it was.
    switch (m_command) {
    case ID_SETTINGS_IMPORT:
        if (const int index = CheckedIndex(kSortGroup); index >= 0)
            m_settings.pictureImportOrder = std::uint32_t(index);
        break;
    case ID_SETTINGS_CAMERA:
        if (const int index = CheckedIndex(kCameraGroup); index >= 0)
            m_settings.cameraRes = std::uint32_t(index);
        StorePageSourceLists(ControlAs<QComboBox>(IDC_PAGE_SOURCE),
                             ControlAs<QComboBox>(IDC_SCANNER_MODE),
                             ControlAs<QComboBox>(IDC_SCANNER_RESOLUTION), m_settings);
        break;
    case ID_SETTINGS_EMBEDDING: {
        const int index = ControlAs<QComboBox>(IDC_EMBED_SCALING)->currentIndex();
        if (index == 0 || index == 1)
            m_settings.fitToPage = index == 0 ? 1 : 0;
        m_settings.autoPortrait = IsChecked(IDC_EMBED_AUTO_PORTRAIT) ? 1 : 0;
        m_settings.straightenPages = IsChecked(IDC_EMBED_STRAIGHTEN) ? 1 : 0;
        if (const int look = ControlAs<QComboBox>(IDC_EMBED_ENHANCE)->currentIndex(); look >= 0)
            m_settings.enhanceLook = std::uint32_t(look);
        break;
    }
    case ID_SETTINGS_PDF:
        if (const int index = ControlAs<QComboBox>(IDC_PDF_PAPER)->currentIndex(); index >= 0)
            m_settings.pageSize = std::uint32_t(index);
        if (const int quality = ControlAs<QComboBox>(IDC_PDF_QUALITY)->currentIndex(); quality >= 0)
            m_settings.pictureQuality = std::uint32_t(quality);
        m_settings.recogniseText = IsChecked(IDC_PDF_OCR) ? 1 : 0;
        if (const QString code =
                ControlAs<QComboBox>(IDC_PDF_OCR_LANGUAGE)->currentData().toString();
            !code.isEmpty())
            m_settings.ocrLanguage = code;
        break;
    case ID_SETTINGS_MISC:
        StoreRememberedAnswer(kActionsBoxNumber, IsChecked(IDC_MISC_ASK_ACTIONS) ? 0 : 1);
        break;
    }
    EndDialog(IDOK);
}

void CSettingsPageDlg::Layout() {
    const CDialogTemplate* t = FindDialogTemplate(TemplateId());
    if (!t)
        return;
    const int w = width();
    const int h = height();
    const int margin = ScalePixels(8);
    const int inner = std::max(0, w - 2 * margin);
    const int footerTop = FrameFooterTop(h);
    // Controls one under the other; where that runs into the footer (a landscape screen), each
    // list goes beside its prompt instead.
    const auto place = [&](bool besidePrompts) {
        int y = FrameHeaderBottom() + ScalePixels(6);
        QLabel* prompt = nullptr;
        int promptTop = 0;
        for (const CControlTemplate& c : t->controls) {
            QWidget* control = Control(c.id);
            if (!control || c.kind == EControlKind::Button || c.id == ids::IDC_PAGE_SOURCE ||
                c.id == ids::IDC_SCANNER_MODE || c.id == ids::IDC_SCANNER_RESOLUTION)
                continue;
            if (c.id == ids::IDC_PAGE_SOURCE_PROMPT) {
                // The page source and the scanner's colour mode and resolution take one row
                // where they fit, else two.
                y = PlacePageSourceRow(control, y, margin, inner);
                prompt = nullptr;
                continue;
            }
            auto* label = qobject_cast<QLabel*>(control);
            if (besidePrompts && prompt && prompt->buddy() == control) {
                const int left = inner * 2 / 5;
                const int height = control->sizeHint().height();
                prompt->setGeometry(margin, promptTop, left - ScalePixels(4), height);
                control->setGeometry(margin + left, promptTop, inner - left, height);
                y = promptTop + height + ScalePixels(5);
                prompt = nullptr;
                continue;
            }
            prompt = label && label->buddy() ? label : nullptr;
            promptTop = y;
            int height = control->sizeHint().height();
            if (label)
                height = label->heightForWidth(inner);
            control->setGeometry(margin, y, inner, height);
            y += height + ScalePixels(c.kind == EControlKind::RadioButton ? 2 : 5);
        }
        return y;
    };
    if (place(false) > footerTop)
        place(true);
    CSkinButton* cancel = Button(ids::IDC_SETTINGS_CANCEL);
    CSkinButton* ok = Button(ids::IDC_SETTINGS_OK);
    for (CSkinButton* b : {cancel, ok}) {
        const QSize bs = b->sizeHint();
        const int by = footerTop + (h - footerTop - bs.height() + ScalePixels(1)) / 2;
        b->setGeometry(b == cancel ? ScalePixels(4) : w - ScalePixels(4) - bs.width(), by,
                       bs.width(), bs.height());
    }
}

int CSettingsPageDlg::PlacePageSourceRow(QWidget* prompt, int y, int margin, int inner) {
    QWidget* sources = Control(ids::IDC_PAGE_SOURCE);
    QWidget* modes = Control(ids::IDC_SCANNER_MODE);
    QWidget* resolutions = Control(ids::IDC_SCANNER_RESOLUTION);
    const int gap = ScalePixels(4);
    const int row = sources->sizeHint().height();
    const int resolution = resolutions->sizeHint().width();
    const int mode = modes->sizeHint().width();
    const int promptWidth = prompt->sizeHint().width();
    const int sourcesWidth = sources->sizeHint().width();
    const int right = margin + inner;
    const bool besidePrompt =
        promptWidth + std::max(sourcesWidth, mode + resolution + gap) + gap <= inner;
    // Two rows need room above the footer, which a small screen turned does not have.
    const int twoRows = (besidePrompt ? 0 : prompt->sizeHint().height() + ScalePixels(2)) +
                        2 * row + ScalePixels(3);
    const bool oneRow = promptWidth + sourcesWidth + mode + resolution + 3 * gap <= inner ||
                        y + twoRows + ScalePixels(2) > FrameFooterTop(height());
    if (oneRow) {
        // All in one row: prompt, sources, mode, resolution. Where that is tight the mode
        // takes at most half of what the resolution leaves, the sources the rest (both lists
        // open as wide as their entries).
        prompt->setGeometry(margin, y, promptWidth, row);
        const int x = margin + promptWidth + gap;
        const int shared = right - resolution - 2 * gap - x;
        const int modeWidth = std::min(mode, shared / 2);
        sources->setGeometry(x, y, shared - modeWidth, row);
        modes->setGeometry(right - resolution - gap - modeWidth, y, modeWidth, row);
        resolutions->setGeometry(right - resolution, y, resolution, row);
        return y + row + ScalePixels(5);
    }
    int x = margin;
    if (!besidePrompt) {
        // Too narrow beside the prompt (the small screen upright): the prompt above.
        auto* label = qobject_cast<QLabel*>(prompt);
        const int height = label ? label->heightForWidth(inner) : prompt->sizeHint().height();
        prompt->setGeometry(margin, y, inner, height);
        y += height + ScalePixels(2);
    } else {
        prompt->setGeometry(margin, y, promptWidth, row);
        x += promptWidth + gap;
    }
    // The sources, and under them the mode and the resolution.
    sources->setGeometry(x, y, right - x, row);
    y += row + ScalePixels(3);
    modes->setGeometry(x, y, right - resolution - gap - x, row);
    resolutions->setGeometry(right - resolution, y, resolution, row);
    return y + row + ScalePixels(5);
}

void CSettingsPageDlg::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, m_caption, m_heading, m_picture, kFooterBand);
}

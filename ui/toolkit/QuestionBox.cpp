#include "ui/toolkit/QuestionBox.h"

#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ResourceTables.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"

#include <QCheckBox>
#include <QFile>
#include <QPainter>
#include <QRadioButton>
#include <QTextEdit>
#include <QTextStream>

#include <optional>

namespace {

constexpr int kSwapTimer = 1;

struct CKindLayout {
    int menu;
    // Standard kinds of the buttons 10043-10046, none where the button is not shown.
    std::optional<EButtonKind> cancel, no, next, ok;
};

CKindLayout LayoutOf(CQuestionBox::EKind kind) {
    using namespace ids;
    using Q = CQuestionBox;
    switch (kind) {
    case Q::kClose: return {IDR_MENU_QB_CLOSE, {}, {}, {}, kButtonClose};
    case Q::kNoYes: return {IDR_MENU_QB_NO_YES, kButtonNo, {}, {}, kButtonYes};
    case Q::kCancelOk:
    case Q::kCancelOkRadio: return {IDR_MENU_QB_CANCEL_OK, kButtonCancel, {}, {}, kButtonOk};
    case Q::kCancelNext:
    case Q::kCancelNextCheck:
    case Q::kCancelNextCheckRequired:
    case Q::kCancelNextRadio:
    case Q::kCancelNextRadioRequired:
        return {IDR_MENU_QB_CANCEL_NEXT, kButtonCancel, {}, kButtonNext, {}};
    case Q::kYesNoAll: return {IDR_MENU_QB_YES_NO_ALL, kButtonCancel, kButtonNo, {}, kButtonYes};
    case Q::kDontShowAgain: break;
    }
    return {IDR_MENU_QB_DONT_SHOW, {}, {}, {}, kButtonClose};
}

} // namespace

CQuestionBox::CQuestionBox(CScreen* owner) : CDialog(ids::IDD_QUESTION, owner) {
    using namespace ids;
    m_caption = m_heading = m_body = LoadFormatted(IDS_NA);
    m_firstText = LoadFormatted(IDS_YES_1060);
    m_secondText = LoadFormatted(IDS_NO_1061);
    m_pictureId = IDB_MSG_QUESTION;

    OnCommandId(ID_QB_NEXT, [this] { EndWith(kResultNext); });
    OnCommandId(ID_QB_NO, [this] { EndWith(kResultNo); });
    OnCommandId(ID_QB_YES_TO_ALL, [this] {
        m_checked = true;
        EndWith(kResultNext);
    });
    OnCommandId(ID_QB_NO_TO_ALL, [this] {
        m_checked = true;
        EndWith(kResultNo);
    });
    OnCommandId(ID_QB_DONT_SHOW, [this] {
        m_checked = !m_checked;
        if (auto* check = ControlAs<QCheckBox>(IDC_QB_CHECK))
            check->setChecked(m_checked);
    });
    OnCommandId(IDC_QB_BUTTON_CANCEL, [this] { EndWith(kResultCancel); });
    OnCommandId(IDC_QB_BUTTON_NO, [this] { EndWith(kResultNo); });
    OnCommandId(IDC_QB_BUTTON_NEXT, [this] { SendCommand(ID_QB_NEXT); });
    OnCommandId(IDC_QB_BUTTON_OK, [this] { EndWith(kResultOk); });
    OnCommandId(IDC_QB_CHECK, [this] {
        if (auto* check = ControlAs<QCheckBox>(IDC_QB_CHECK))
            m_checked = check->isChecked();
        UpdateNextRule();
    });
    OnCommandId(IDC_QB_RADIO_FIRST, [this] {
        m_choice = 0;
        UpdateNextRule();
    });
    OnCommandId(IDC_QB_RADIO_SECOND, [this] {
        m_choice = 1;
        UpdateNextRule();
    });
}

CQuestionBox::~CQuestionBox() {
    KillTimer(kSwapTimer);
    ReleasePictures();
}

void CQuestionBox::ReleasePictures() {
    if (m_picture)
        SkinReleaseImage(std::exchange(m_picture, 0));
    if (m_second)
        SkinReleaseImage(std::exchange(m_second, 0));
}

void CQuestionBox::SetKind(EKind kind) {
    m_kind = EKind(std::clamp(int(kind), int(kClose), int(kDontShowAgain)));
}

void CQuestionBox::SetTitles(const QString& caption, const QString& heading) {
    m_caption = caption;
    m_heading = heading;
}

void CQuestionBox::SetBody(const QString& text, bool) {
    m_body = text;
}

void CQuestionBox::SetOptionTexts(const QString& first, const QString& second) {
    m_firstText = first;
    m_secondText = second;
}

void CQuestionBox::SetPictures(std::uint32_t picture, std::uint32_t secondPicture, int delayMs) {
    m_pictureId = picture;
    m_secondId = secondPicture;
    m_delay = delayMs;
}

bool CQuestionBox::UsesCheck() const {
    return m_kind == kCancelNextCheck || m_kind == kCancelNextCheckRequired ||
           m_kind == kYesNoAll || m_kind == kDontShowAgain;
}

bool CQuestionBox::UsesRadios() const {
    return m_kind == kCancelOkRadio || m_kind == kCancelNextRadio ||
           m_kind == kCancelNextRadioRequired;
}

void CQuestionBox::Prepare() {
    using namespace ids;
    m_prepared = true;
    if (m_kind == kDontShowAgain && m_secondId == 0)
        SetPictures(IDB_MSG_NO_CAMERA_1, IDB_MSG_NO_CAMERA_2, 500);
    const CKindLayout k = LayoutOf(m_kind);
    // The device emulates platform version 5, so the second variant of each bar is used.
    SetMenuBarId(k.menu + kMenuVariant5Offset);

    const std::pair<int, std::optional<EButtonKind>> buttons[] = {{IDC_QB_BUTTON_CANCEL, k.cancel},
                                                                  {IDC_QB_BUTTON_NO, k.no},
                                                                  {IDC_QB_BUTTON_NEXT, k.next},
                                                                  {IDC_QB_BUTTON_OK, k.ok}};
    for (const auto& [id, kind] : buttons) {
        if (kind)
            SetupStandardButton(Button(id), *kind);
        ShowControl(id, kind.has_value());
        EnableCommand(id, kind.has_value());
    }
    // Enter answers with the positive button: Ok/Yes/Close, or Next where there is none.
    Button(IDC_QB_BUTTON_OK)->SetDefaultButton(k.ok.has_value());
    Button(IDC_QB_BUTTON_NEXT)->SetDefaultButton(!k.ok && k.next);

    QString body = m_body;
    if (!m_textFile.isEmpty()) {
        QFile file(m_textFile);
        if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            QTextStream in(&file);
            while (!in.atEnd())
                body += QStringLiteral("\n") + in.readLine();
        }
    }
    auto* text = ControlAs<QTextEdit>(IDC_QB_BODY);
    text->setPlainText(body);
    // Assistive tools read the box as a dialog titled by its heading that says its body.
    setAccessibleName(m_heading);
    setAccessibleDescription(body);
    text->setAccessibleName(m_heading);
    ApplyFont(GetFontCode(kFontMessageBody), text);
    text->viewport()->setAutoFillBackground(false);
    text->setAutoFillBackground(false);

    auto* check = ControlAs<QCheckBox>(IDC_QB_CHECK);
    check->setText(ButtonText(m_firstText));
    check->setChecked(m_checked);
    ApplyFont(GetFontCode(kFontMessageCheck), check);
    ShowControl(IDC_QB_CHECK, UsesCheck());
    EnableCommand(IDC_QB_CHECK, UsesCheck());

    auto* first = ControlAs<QRadioButton>(IDC_QB_RADIO_FIRST);
    auto* second = ControlAs<QRadioButton>(IDC_QB_RADIO_SECOND);
    first->setText(ButtonText(m_firstText));
    second->setText(ButtonText(m_secondText));
    (m_choice == 0 ? first : second)->setChecked(true);
    for (int id : {IDC_QB_RADIO_FIRST, IDC_QB_RADIO_SECOND}) {
        ApplyFont(GetFontCode(kFontMessageCheck), Control(id));
        ShowControl(id, UsesRadios());
        EnableCommand(id, UsesRadios());
    }

    ReleasePictures();
    m_picture = SkinAddImage(m_pictureId);
    m_second = SkinAddImage(m_secondId);
    m_currentId = m_pictureId;
    Layout();
    UpdateNextRule();
}

EQuestionResult CQuestionBox::Show() {
    if (!m_prepared)
        Prepare();
    return EQuestionResult(DoModal());
}

void CQuestionBox::UpdateNextRule() {
    bool enable = true;
    if (m_kind == kCancelNextCheckRequired)
        enable = m_checked;
    else if (m_kind == kCancelNextRadioRequired)
        enable = m_choice == 0;
    EnableCommand(ids::ID_QB_NEXT, enable);
    if (LayoutOf(m_kind).next)
        EnableCommand(ids::IDC_QB_BUTTON_NEXT, enable);
}

void CQuestionBox::Layout() {
    using namespace ids;
    const int w = width();
    const int h = height();
    const int footerTop = FrameFooterTop(h);
    const int margin = ScalePixels(4);

    std::vector<CSkinButton*> shown;
    for (int id : {IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_NO, IDC_QB_BUTTON_NEXT, IDC_QB_BUTTON_OK})
        if (CSkinButton* b = Button(id); b && !b->isHidden())
            shown.push_back(b);
    const int n = int(shown.size());
    for (int i = 0; i < n; ++i) {
        const QSize bs = shown[i]->sizeHint();
        const int y = footerTop + (h - footerTop - bs.height() + ScalePixels(1)) / 2;
        int x;
        if (n == 1)
            x = w - margin - bs.width();
        else if (n == 2)
            x = i == 0 ? margin : w - margin - bs.width();
        else
            x = (w - n * bs.width()) * (i + 1) / (n + 1) + i * bs.width();
        shown[i]->setGeometry(x, y, bs.width(), bs.height());
    }

    const QRect column = MapDialogRectForScreen(7, 23, 125, 10);
    const int row = column.height();
    int bottom = footerTop - ScalePixels(4);
    if (UsesRadios()) {
        Control(IDC_QB_RADIO_SECOND)->setGeometry(column.left(), bottom - row, column.width(), row);
        Control(IDC_QB_RADIO_FIRST)
            ->setGeometry(column.left(), bottom - 2 * row, column.width(), row);
        bottom -= 2 * row + ScalePixels(4);
    } else if (UsesCheck()) {
        Control(IDC_QB_CHECK)->setGeometry(column.left(), bottom - row, column.width(), row);
        bottom -= row + ScalePixels(4);
    }
    Control(IDC_QB_BODY)
        ->setGeometry(column.left(), column.top(), column.width(),
                      std::max(row, bottom - column.top()));
}

void CQuestionBox::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, m_caption, m_heading,
                    m_currentId == m_secondId && m_second ? m_second : m_picture, kFooterBand);
}

void CQuestionBox::OnFirstPaint() {
    if (m_secondId)
        SetSingleShotTimer(kSwapTimer, m_delay);
}

void CQuestionBox::OnTimer(int id) {
    if (id != kSwapTimer)
        return;
    m_currentId = m_secondId;
    const int corner = ScalePixels(34);
    update(QRect(width() - corner, 0, corner, ScalePixels(38)));
}

void CQuestionBox::OnClose() {
    KillTimer(kSwapTimer);
}

void CQuestionBox::EndWith(EQuestionResult result) {
    EndDialog(result);
}

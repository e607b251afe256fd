#include "pdf/screens/ProgressDialog.h"

#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/device/MessagePump.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ProgressCtrl.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"

#include <QElapsedTimer>
#include <QLabel>

#include <algorithm>

using namespace ids;

namespace {

std::int64_t MonotonicMs() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

constexpr int kStepTextInterval = 50;
constexpr int kPumpedMessages = 100;

} // namespace

CProgressDialog::CProgressDialog(CScreen* owner)
    : CDialog(IDD_PROGRESS, owner), m_clock(MonotonicMs) {
    m_bar = new CProgressCtrl(this);
    m_second = new CProgressCtrl(this);
    for (auto [id, bar] : {std::pair<int, CProgressCtrl*>{IDC_PROGRESS_BAR, m_bar},
                           {IDC_PROGRESS_SECOND_BAR, m_second}}) {
        QWidget* holder = Control(id);
        AttachControl(id, bar);
        delete holder;
        bar->ApplySettings();
    }
    m_bar->setAccessibleName(LoadFormatted(IDS_PDF_PROGRESS_BAR));
    m_second->setAccessibleName(LoadFormatted(IDS_PDF_PROGRESS_BAR));
    SetupStandardButton(Button(IDC_CANCEL), kButtonCancel);
    OnCommandId(IDC_CANCEL, [this] { m_cancelled = true; });
    OnCommandId(ID_PLATFORM_CANCEL, [this] { m_cancelled = true; });
    SetMenuBar(
        CMenuTemplate{0, CSoftKey{LoadFormatted(IDS_CANCEL), ID_PLATFORM_CANCEL, {}}, {}, {}});
    if (auto* status = ControlAs<QLabel>(IDC_PROGRESS_STATUS))
        status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetSecondBarShown(false);
}

CProgressDialog::~CProgressDialog() {
    if (m_picture)
        SkinReleaseImage(m_picture);
}

void CProgressDialog::SetHeader(const QString& title, const QString& subtitle,
                                std::uint32_t picture) {
    m_title = title;
    m_subtitle = subtitle;
    m_pictureId = picture;
    setAccessibleName(title);
    setAccessibleDescription(subtitle);
}

void CProgressDialog::EnableCancel(bool enable) {
    EnableCommand(IDC_CANCEL, enable);
    EnableCommand(ID_PLATFORM_CANCEL, enable);
}

void CProgressDialog::SetSecondBarShown(bool shown) {
    m_secondBar = shown;
    ShowControl(IDC_PROGRESS_SECOND_LABEL, shown);
    ShowControl(IDC_PROGRESS_SECOND_BAR, shown);
    Control(IDC_PROGRESS_SECOND_LABEL)->setEnabled(shown);
    m_second->setEnabled(shown);
    CProgressDialog::Layout(); // also from the constructor, so no virtual call
}

void CProgressDialog::SetRange(int upper, const QString& text) {
    m_bar->SetRange(0, upper);
    m_bar->SetPos(0);
    m_bar->SetText(text);
    m_bar->Restart();
}

void CProgressDialog::SetPosition(int current, int total) {
    const int position = total > 0 ? std::min(100, int(qint64(current) * 100 / total)) : 0;
    m_bar->SetPos(position);
    m_bar->update();
    m_lastBar = m_clock();
    Pump();
}

void CProgressDialog::SetStepText(const QString& text) {
    const std::int64_t now = m_clock();
    if (m_stepApplied && now - m_lastStep <= kStepTextInterval)
        return;
    m_stepApplied = true;
    m_lastStep = now;
    SetDlgItemText(IDC_PROGRESS_STEP, text);
    update();
    Pump();
}

void CProgressDialog::SetStatusText(const QString& text) {
    if (!m_statusEnabled)
        return;
    SetDlgItemText(IDC_PROGRESS_STATUS, text);
    update();
}

QString CProgressDialog::StepText() const {
    return GetDlgItemText(IDC_PROGRESS_STEP);
}

QString CProgressDialog::StatusText() const {
    return GetDlgItemText(IDC_PROGRESS_STATUS);
}

void CProgressDialog::Pump() {
    PumpMessages(kPumpedMessages);
}

void CProgressDialog::OnInitDialog() {
    if (!m_picture && m_pictureId)
        m_picture = SkinAddImage(m_pictureId);
    m_bar->show();
    m_second->setVisible(m_secondBar);
    Layout();
    Button(IDC_CANCEL)->setFocus();
}

void CProgressDialog::Layout() {
    const int w = width();
    const int h = height();
    const int margin = ScalePixels(7);
    const int gap = ScalePixels(4);
    int y = FrameHeaderBottom() + ScalePixels(8);
    auto place = [&](int id, int height) {
        PlaceControlPixels(id, QRect(margin, y, w - 2 * margin, height));
        y += height + gap;
    };
    const int label = ScalePixels(14);
    const int bar = ScalePixels(18);
    place(IDC_PROGRESS_STEP, label);
    place(IDC_PROGRESS_BAR, bar);
    if (m_secondBar) {
        place(IDC_PROGRESS_SECOND_LABEL, label);
        place(IDC_PROGRESS_SECOND_BAR, bar);
    }
    // Without the second bar the status text moves up into its place.
    const int footerTop = FrameFooterTop(h);
    place(IDC_PROGRESS_STATUS, std::max(label, footerTop - gap - y));
    if (CSkinButton* cancel = Button(IDC_CANCEL)) {
        const QSize bs = cancel->sizeHint();
        const int by = footerTop + (h - footerTop - bs.height() + ScalePixels(1)) / 2;
        PlaceControlPixels(IDC_CANCEL, QRect((w - bs.width()) / 2, by, bs.width(), bs.height()));
    }
}

void CProgressDialog::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, m_title, m_subtitle, m_picture, kFooterBand);
}

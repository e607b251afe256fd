#include "mail/screens/SendMailDialog.h"

#include "app/AppSettings.h"
#include "mail/AccountStore.h"
#include "mail/ContactStore.h"
#include "mail/MailMessage.h"
#include "mail/screens/ContactPickerDialog.h"
#include "mail/screens/FooterLayout.h"
#include "mail/screens/ListChooserDialog.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "text/TextFormat.h"
#include "ui/device/MessageBox.h"
#include "ui/device/WaitCursor.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/QuestionBox.h"
#include "ui/toolkit/ResourceTables.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <map>

using namespace ids;

namespace {

// The controls above the footer, which the screen places itself.
constexpr int kFormControls[] = {IDC_MAIL_ADDRESS_LABEL, IDC_MAIL_ADDRESS,   IDC_MAIL_PICK_CONTACT,
                                 IDC_MAIL_SUBJECT_LABEL, IDC_MAIL_SUBJECT,   IDC_MAIL_BODY_LABEL,
                                 IDC_MAIL_BODY,          IDC_MAIL_ATTACHMENT};

// Where the template puts a control on this screen class, in pixels.
QRect TemplateRect(int id) {
    if (const CDialogTemplate* dialog = FindDialogTemplate(IDD_SEND))
        for (const CControlTemplate& control : dialog->controls)
            if (control.id == id)
                return MapDialogRectForScreen(control.units.x(), control.units.y(),
                                              control.units.width(), control.units.height());
    return {};
}

} // namespace

CSendMailDialog::CSendMailDialog(CAppSettings& settings, CScreen* owner)
    : CDialog(IDD_SEND, owner), m_settings(settings) {
    auto* body = new QPlainTextEdit(this);
    body->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    body->setTabChangesFocus(true);
    AttachControl(IDC_MAIL_BODY, body);
    body->show(); // the place holder it replaces was not shown yet
    const QString bodyName = LoadFormatted(IDS_MAIL_BODY_LABEL).chopped(1);
    body->verticalScrollBar()->setAccessibleName(bodyName);
    body->horizontalScrollBar()->setAccessibleName(bodyName);
    ApplyFont(GetFontCode(kFontDialog), body);

    // The attached file's name and size under the body, so a file too large to mail is seen.
    auto* attachment = new QLabel(this);
    attachment->setTextFormat(Qt::PlainText);
    ApplyFont(GetFontCode(kFontDialog), attachment);
    AttachControl(IDC_MAIL_ATTACHMENT, attachment);
    attachment->show();

    const struct {
        int label, field;
        std::uint16_t text;
    } fields[] = {{IDC_MAIL_ADDRESS_LABEL, IDC_MAIL_ADDRESS, IDS_MAIL_ADDRESS_LABEL},
                  {IDC_MAIL_SUBJECT_LABEL, IDC_MAIL_SUBJECT, IDS_MAIL_SUBJECT_LABEL},
                  {IDC_MAIL_BODY_LABEL, IDC_MAIL_BODY, IDS_MAIL_BODY_LABEL}};
    for (const auto& f : fields) {
        const QString text = LoadFormatted(f.text);
        SetDlgItemText(f.label, text);
        // The label names its field for screen readers.
        Control(f.field)->setAccessibleName(text.chopped(text.endsWith(':') ? 1 : 0));
        RaiseInputPanelOnFocus(Control(f.field));
    }
    AddressEdit()->setInputMethodHints(Qt::ImhEmailCharactersOnly | Qt::ImhNoAutoUppercase);

    // A small plain button beside the address, as on the device; a click sends its command.
    auto* pick = new QPushButton(this);
    pick->setAutoDefault(false);
    pick->setText(LoadFormatted(IDS_MAIL_PICK_BUTTON));
    pick->setAccessibleName(LoadFormatted(IDS_MAIL_PICK_CONTACT));
    pick->setToolTip(LoadFormatted(IDS_MAIL_PICK_CONTACT));
    pick->setFocusPolicy(Qt::StrongFocus);
    ApplyFont(GetFontCode(kFontDialog), pick);
    AttachControl(IDC_MAIL_PICK_CONTACT, pick);
    pick->show();
    QObject::connect(pick, &QPushButton::clicked, this,
                     [this] { SendCommand(IDC_MAIL_PICK_CONTACT); });
    SetupStandardButton(Button(IDC_QB_BUTTON_CANCEL), kButtonCancel);
    CSkinButton* send = Button(IDC_QB_BUTTON_OK);
    SetupStandardButton(send, kButtonOk);
    send->setText(LoadFormatted(IDS_SEND));
    setAccessibleName(LoadFormatted(IDS_SHARE));
    setAccessibleDescription(LoadFormatted(IDS_SEND_FILE_VIA_EMAIL));
    setTabOrder(AddressEdit(), pick);
    setTabOrder(pick, SubjectEdit());
    setTabOrder(SubjectEdit(), body);
    SetMenuBarId(IDR_MENU_SEND);
    // Layout places the form itself (the attachment line and landscape screens need it).
    for (int id : kFormControls)
        if (QWidget* control = Control(id))
            PlaceControlPixels(id, control->geometry());

    OnCommandId(IDC_QB_BUTTON_OK, [this] { Send(); });
    OnCommandId(ID_SEND, [this] { Send(); });
    OnCommandId(IDC_MAIL_PICK_CONTACT, [this] { PickContact(); });
    OnCommandId(ID_PICK_CONTACT, [this] { PickContact(); });
    OnCommandId(IDC_QB_BUTTON_CANCEL, [this] { OnCancel(); });
    OnCommandId(ID_PLATFORM_CANCEL, [this] { OnCancel(); });
    for (QLineEdit* edit : {AddressEdit(), SubjectEdit()})
        QObject::connect(edit, &QLineEdit::textChanged, this, [this] { UpdateSendRule(); });
    QObject::connect(body, &QPlainTextEdit::textChanged, this, [this] { UpdateSendRule(); });
}

CSendMailDialog::~CSendMailDialog() {
    if (m_picture)
        SkinReleaseImage(m_picture);
}

QLineEdit* CSendMailDialog::AddressEdit() const {
    return ControlAs<QLineEdit>(IDC_MAIL_ADDRESS);
}
QLineEdit* CSendMailDialog::SubjectEdit() const {
    return ControlAs<QLineEdit>(IDC_MAIL_SUBJECT);
}
QPlainTextEdit* CSendMailDialog::BodyEdit() const {
    return ControlAs<QPlainTextEdit>(IDC_MAIL_BODY);
}

void CSendMailDialog::OnInitDialog() {
    m_picture = SkinAddImage(IDB_HEADER_DOCUMENT);
    if (m_contactsFolder.isEmpty())
        m_contactsFolder = CAccountStore().ContactsFolder(CContactStore::DefaultFolder());
    SubjectEdit()->setText(m_initialSubject);
    AddressEdit()->setText(m_initialAddress);
    BodyEdit()->setPlainText(m_initialBody);
    const QFileInfo file(m_attachment);
    m_attachmentName = file.fileName();
    m_attachmentSize = FormatFileSize(std::uint64_t(file.size()), false, true, false);
    Control(IDC_MAIL_ATTACHMENT)->setAccessibleName(AttachmentText());
    UpdateSendRule();
    AddressEdit()->setFocus();
    Layout();
}

void CSendMailDialog::UpdateSendRule() {
    const bool enable = !AddressEdit()->text().isEmpty();
    EnableCommand(IDC_QB_BUTTON_OK, enable);
    EnableCommand(ID_SEND, enable);
}

void CSendMailDialog::PickContact() {
    CContactPickerDialog picker(m_contactsFolder, this);
    if (picker.DoModal() != IDOK)
        return;
    QStringList addresses;
    QString name;
    if (!picker.GetSelectedContact(&addresses, &name))
        return;
    if (addresses.size() == 1) {
        AddressEdit()->setText(addresses.front());
        return;
    }
    CListChooserDialog chooser(this);
    chooser.SetHeader(LoadFormatted(IDS_CHOOSE_CONTACT_EMAIL),
                      LoadFormatted(IDS_SELECT_EMAIL_ADDRESS_USE));
    chooser.SetHeaderPicture(IDB_HEADER_CONTACTS);
    chooser.SetLabel(LoadFormatted(IDS_AVAILABLE_CONTACT_EMAIL_ADDRESSES));
    chooser.SetText(LoadFormatted(IDS_CONTACT_HAS_MORE_THAN, name));
    for (const QString& a : addresses)
        chooser.AddItem(a);
    chooser.DoModal();
    const int index = chooser.GetChosenIndex();
    if (index >= 0 && index < addresses.size())
        AddressEdit()->setText(addresses[index]);
}

int CSendMailDialog::ChooseAccount(const QStringList& accounts) {
    CListChooserDialog chooser(this);
    chooser.SetHeader(LoadFormatted(IDS_EMAIL_ACCOUNT),
                      LoadFormatted(IDS_CHOOSE_EMAIL_ACCOUNT_USE));
    chooser.SetHeaderPicture(IDB_HEADER_DOCUMENT);
    chooser.SetLabel(LoadFormatted(IDS_AVAILABLE_EMAIL_ACCOUNTS));
    chooser.SetText(LoadFormatted(IDS_CHOOSE_EMAIL_ACCOUNT_USE_1214));
    for (const QString& a : accounts)
        chooser.AddItem(a);
    // The user answers a question here: no wait cursor over it.
    const int depth = WaitDepth();
    for (int i = 0; i < depth; ++i)
        EndWait();
    chooser.DoModal();
    for (int i = 0; i < depth; ++i)
        BeginWait();
    return chooser.GetChosenIndex();
}

void CSendMailDialog::EnableCommands(bool enable) {
    for (int id : {ID_SEND, ID_PLATFORM_CANCEL, ID_PICK_CONTACT, ID_SEND_TOOLS, IDCANCEL,
                   IDC_QB_BUTTON_OK, IDC_QB_BUTTON_CANCEL, IDC_MAIL_PICK_CONTACT})
        EnableCommand(id, enable);
    if (enable)
        UpdateSendRule();
}

void CSendMailDialog::Send() {
    const QString address = AddressEdit()->text();
    if (address.isEmpty())
        return;
    // Remembered for the next Share whatever the outcome.
    m_settings.lastSendToAddress = address;
    SaveSetting(m_settings, &CAppSettings::lastSendToAddress);

    CMailMessage message;
    message.to = address;
    message.subject = SubjectEdit()->text();
    message.body = BodyEdit()->toPlainText();
    message.attachmentPath = m_attachment;
    if (!m_mailFolder.isEmpty())
        message.mailFolder = m_mailFolder;
    BeginWait();
    EnableCommands(false);
    const int result = message.Send(this);
    EnableCommands(true);
    EndWait();

    if (result != kMailOk) {
        // A damaged account table is named in the platform's plain box, as the store does.
        if (message.LastError() == EMailError::StoreInvalidValues)
            PlatformMessageBox(LoadFormatted(IDS_MAIL_STORE_INVALID_CVALUES),
                               LoadFormatted(IDS_ERROR));
        else if (message.LastError() == EMailError::StoreMissingEntryId)
            PlatformMessageBox(LoadFormatted(IDS_MAIL_STORE_MISSING_ENTRYID),
                               LoadFormatted(IDS_ERROR));
    }
    const bool sent = result == kMailOk;
    const bool handedOver = sent && message.Outcome() == EMailOutcome::HandedOver;
    CQuestionBox box(this);
    box.SetKind(CQuestionBox::kClose);
    box.SetPictures(sent ? IDB_MSG_SUCCESS : IDB_MSG_ATTENTION);
    box.SetTitles(LoadFormatted(sent ? IDS_SUCCESS_1178 : IDS_ERROR_1175),
                  LoadFormatted(handedOver ? IDS_MAIL_HANDED_OVER
                                : sent     ? IDS_EMAIL_SENT
                                           : IDS_SEND_MAIL));
    box.SetBody(sent ? SuccessText(message, address) : FailureText(message, address));
    box.Show();
    EndDialog(sent ? IDOK : IDCANCEL);
}

// Says only what is true of the account used: a message the SMTP server took is sent, one in a
// queue-only store waits for the synchronisation, one handed to the desktop's mail program is
// sent from there.
QString CSendMailDialog::SuccessText(const CMailMessage& message, const QString& address) const {
    const std::uint16_t text = message.Outcome() == EMailOutcome::Queued ? IDS_MAIL_SENT_QUEUED
                               : message.Outcome() == EMailOutcome::HandedOver
                                   ? IDS_MAIL_HANDED_OVER_BODY
                                   : IDS_FILE_SUCCESSFULLY_SENT_VIA;
    return LoadFormatted(text, m_attachment, address);
}

// The failure text names what stands in for the device's mail program, and the reason follows.
QString CSendMailDialog::FailureText(const CMailMessage& message, const QString& address) const {
    const auto transport = message.Transport();
    const std::uint16_t text = transport == EMailTransport::Desktop ? IDS_MAIL_FAILED_DESKTOP
                               : transport == EMailTransport::Sync  ? IDS_MAIL_FAILED_QUEUE
                                                                    : IDS_SEND_FILE_CHECK_WHETHER;
    QString why;
    switch (message.LastError()) {
    case EMailError::NoAccount: why = LoadFormatted(IDS_MAIL_WHY_NO_ACCOUNT); break;
    case EMailError::Password:
        why = LoadFormatted(IDS_MAIL_WHY_PASSWORD, message.ErrorDetail());
        break;
    case EMailError::SubmitFailed:
        if (transport == EMailTransport::Desktop)
            why = LoadFormatted(IDS_MAIL_WHY_DESKTOP, message.ErrorDetail());
        else if (!message.ServerReply().isEmpty())
            why = LoadFormatted(IDS_MAIL_WHY_SERVER, message.ServerReply());
        else
            why = LoadFormatted(IDS_MAIL_WHY_OTHER, message.ErrorDetail());
        break;
    default: why = LoadFormatted(IDS_MAIL_WHY_OTHER, message.ErrorDetail()); break;
    }
    return LoadFormatted(text, m_attachment, address) + QStringLiteral("\n\n") + why;
}

QString CSendMailDialog::AttachmentText() const {
    return LoadFormatted(IDS_MAIL_ATTACHMENT, m_attachmentName, m_attachmentSize);
}

void CSendMailDialog::Layout() {
    CDialog::Layout();
    auto* attachment = ControlAs<QLabel>(IDC_MAIL_ATTACHMENT);
    if (!attachment)
        return;
    // Every control gets its place once: moving a control back and forth during a layout
    // queues events that hold up the screen's first paint.
    std::map<int, QRect> places;
    for (int id : kFormControls)
        places[id] = TemplateRect(id);
    // The attachment line takes the bottom of the body's place, which ends above the footer,
    // and spans the screen's width as the template's body does.
    const QFontMetrics metrics(attachment->font());
    const int line = metrics.height() + ScalePixels(2);
    const int gap = ScalePixels(2);
    QRect body = places[IDC_MAIL_BODY];
    body.setBottom(std::min(body.bottom(), FrameFooterTop(height()) - gap));
    const QRect span(body.x(), body.bottom() + 1 - line, body.width(), line);
    // A landscape screen is too low for the template's rows: the labels go beside their
    // fields, so the body keeps a few lines.
    if (body.height() - line - gap < 3 * metrics.lineSpacing())
        body = PlaceLabelsBeside(places, body.bottom());
    places[IDC_MAIL_BODY] = body.adjusted(0, 0, 0, -line - gap);
    places[IDC_MAIL_ATTACHMENT] = span;
    for (const auto& [id, place] : places)
        if (QWidget* control = Control(id); control && control->geometry() != place)
            control->setGeometry(place);

    // A long file name is shortened in its middle so the size always shows.
    QString text = AttachmentText();
    if (metrics.horizontalAdvance(text) > span.width()) {
        const int rest = metrics.horizontalAdvance(
            LoadFormatted(IDS_MAIL_ATTACHMENT, QString(), m_attachmentSize));
        text = LoadFormatted(
            IDS_MAIL_ATTACHMENT,
            metrics.elidedText(m_attachmentName, Qt::ElideMiddle, span.width() - rest),
            m_attachmentSize);
    }
    if (attachment->text() != text)
        attachment->setText(text);
    PlaceFooterButtons(*this, IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_OK);
}

// Each label in a column to the left of its field, the rows as high as the fields need;
// returns the body's place, down to `bottom`.
QRect CSendMailDialog::PlaceLabelsBeside(std::map<int, QRect>& places, int bottom) const {
    const QRect first = places[IDC_MAIL_ADDRESS_LABEL];
    const QRect pick = places[IDC_MAIL_PICK_CONTACT];
    const int left = first.x();
    const int right = pick.right();
    const int gap = ScalePixels(3);
    int column = 0;
    for (int id : {IDC_MAIL_ADDRESS_LABEL, IDC_MAIL_SUBJECT_LABEL, IDC_MAIL_BODY_LABEL})
        column = std::max(column, Control(id)->sizeHint().width());
    const int fieldLeft = left + column + gap;
    int y = first.y();
    const int rows[][2] = {{IDC_MAIL_ADDRESS_LABEL, IDC_MAIL_ADDRESS},
                           {IDC_MAIL_SUBJECT_LABEL, IDC_MAIL_SUBJECT}};
    for (const auto& [label, field] : rows) {
        const int h =
            std::max(Control(field)->sizeHint().height(), Control(label)->sizeHint().height());
        places[label] = QRect(left, y, column, h);
        const int fieldRight = field == IDC_MAIL_ADDRESS ? pick.x() - gap : right;
        places[field] = QRect(fieldLeft, y, fieldRight - fieldLeft + 1, h);
        if (field == IDC_MAIL_ADDRESS)
            places[IDC_MAIL_PICK_CONTACT] = QRect(pick.x(), y, pick.width(), h);
        y += h + gap;
    }
    places[IDC_MAIL_BODY_LABEL] =
        QRect(left, y, column, Control(IDC_MAIL_BODY_LABEL)->sizeHint().height());
    return QRect(QPoint(fieldLeft, y), QPoint(right, bottom));
}

void CSendMailDialog::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, LoadFormatted(IDS_SHARE), LoadFormatted(IDS_SEND_FILE_VIA_EMAIL),
                    m_picture, kFooterBand);
}

#pragma once

// The send screen ("Share"): address, subject and body for sending one file by e-mail, a
// contact picker, the account chooser when the store has several accounts, and the outcome
// in a message. DoModal returns OK when the mail was sent, Cancel otherwise (also after a
// failed send).

#include "mail/AccountChooser.h"
#include "ui/toolkit/Dialog.h"

#include <QRect>

#include <cstdint>
#include <map>

struct CAppSettings;
class CMailMessage;
class QLineEdit;
class QPlainTextEdit;

class CSendMailDialog : public CDialog, public IAccountChooser {
public:
    explicit CSendMailDialog(CAppSettings& settings, CScreen* owner = nullptr);
    ~CSendMailDialog() override;

    void SetAttachment(const QString& path) { m_attachment = path; }
    const QString& Attachment() const { return m_attachment; }
    void SetBody(const QString& text) { m_initialBody = text; }
    void SetAddress(const QString& text) { m_initialAddress = text; }
    void SetSubject(const QString& text) { m_initialSubject = text; }
    // Where the contacts are read and the mail stores kept; the configured folders by default.
    void SetContactsFolder(const QString& folder) { m_contactsFolder = folder; }
    void SetMailFolder(const QString& folder) { m_mailFolder = folder; }

    // Shows the account chooser over this screen.
    int ChooseAccount(const QStringList& accounts) override;

    QLineEdit* AddressEdit() const;
    QLineEdit* SubjectEdit() const;
    QPlainTextEdit* BodyEdit() const;
    // "Attachment: <file name> (<size>)", once the screen has opened.
    QString AttachmentText() const;

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void Layout() override;

private:
    QRect PlaceLabelsBeside(std::map<int, QRect>& places, int bottom) const;
    void UpdateSendRule();
    void PickContact();
    void Send();
    void EnableCommands(bool enable);
    QString SuccessText(const CMailMessage& message, const QString& address) const;
    QString FailureText(const CMailMessage& message, const QString& address) const;

    CAppSettings& m_settings;
    QString m_attachment;
    QString m_attachmentName;
    QString m_attachmentSize;
    QString m_initialBody;
    QString m_initialAddress;
    QString m_initialSubject;
    QString m_contactsFolder;
    QString m_mailFolder;
    std::int32_t m_picture = 0;
};

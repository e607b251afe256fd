#pragma once

#include "mail/AccountStore.h"
#include "mail/MailMessage.h"
#include "mail/MaildirStore.h"
#include "tests/mail/MailTestSupport.h"
#include "tests/support/TempHome.h"

#include <QDir>

#include <functional>

// A chooser that records what it was offered and answers as told.
class CRecordingChooser : public IAccountChooser {
public:
    explicit CRecordingChooser(int answer = -1) : m_answer(answer) {}
    int ChooseAccount(const QStringList& accounts) override {
        ++calls;
        offered = accounts;
        if (onChoose)
            onChoose();
        return m_answer;
    }
    int calls = 0;
    QStringList offered;
    std::function<void()> onChoose;

private:
    int m_answer;
};

class CMailTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        pdf = PathIn("scans/20261208_1015.pdf");
        QDir().mkpath(PathIn("scans"));
        ASSERT_TRUE(MakeTestPdf(pdf));
    }

    // Stores `account`; its store identifier is filled in.
    void AddAccount(CMailAccount& account) {
        QString error;
        ASSERT_TRUE(CAccountStore().Add(account, &error)) << error.toStdString();
    }

    CMailMessage Message(const QString& to = "anna@example.org") const {
        CMailMessage m;
        m.to = to;
        m.subject = "Scans";
        m.body = "Here they are.";
        m.attachmentPath = pdf;
        return m;
    }

    QStringList Folder(const CMailAccount& account, EMailFolder folder) const {
        return CMaildirStore(CMailMessage::DefaultMailFolder(), account.storeId).Messages(folder);
    }

    QString pdf;
};

#pragma once

// The program's one question box: a full screen with the frame's header (caption, heading,
// picture), the body text, optionally a check box or two radio choices, and a soft-key bar
// and buttons whose commands depend on the kind. Show runs it modally and returns the result
// code; IsChecked and GetChoice tell the state of the check box and the radio choice.

#include "ui/toolkit/Dialog.h"

#include <cstdint>

// Result codes of Show.
enum EQuestionResult : int {
    kResultOk = 1,       // Ok, Close, Yes
    kResultCancel = 2,   // Cancel, No of kind 1, closing
    kResultNext = 10835, // Next, Yes to all
    kResultNo = 10836,   // No of kind 9, No to all
};

class CQuestionBox : public CDialog {
public:
    // Kinds: the menu bar, the buttons and the optional controls.
    enum EKind : int {
        kClose = 0,
        kNoYes = 1,
        kCancelOk = 2,
        kCancelOkRadio = 3,
        kCancelNext = 4,
        kCancelNextCheck = 5,
        kCancelNextCheckRequired = 6,
        kCancelNextRadio = 7,
        kCancelNextRadioRequired = 8,
        kYesNoAll = 9,
        kDontShowAgain = 10
    };

    explicit CQuestionBox(CScreen* owner = nullptr);
    ~CQuestionBox() override;

    void SetKind(EKind kind);
    void SetTitles(const QString& caption, const QString& heading);
    void SetBody(const QString& text, bool plainText = true);
    void SetOptionTexts(const QString& first, const QString& second);
    void SetPictures(std::uint32_t picture, std::uint32_t secondPicture = 0, int delayMs = 500);
    // Lines of this text file are appended to the body.
    void SetTextFile(const QString& path) { m_textFile = path; }
    void SetChecked(bool checked) { m_checked = checked; }

    EQuestionResult Show();
    bool IsChecked() const { return m_checked; }
    int GetChoice() const { return m_choice; }

    EKind Kind() const { return m_kind; }
    // The picture identifier the header shows now.
    std::uint32_t CurrentPicture() const { return m_currentId; }
    QString Caption() const { return m_caption; }
    QString Heading() const { return m_heading; }

    // Lays the controls out for the kind and sets the menu bar (Show does it; screenshots
    // and tests may call it to inspect a box without running it).
    void Prepare();

protected:
    void OnPaint(QPainter& painter) override;
    void OnFirstPaint() override;
    void OnTimer(int id) override;
    void Layout() override;
    void OnClose() override;

private:
    void UpdateNextRule();
    void ReleasePictures();
    void EndWith(EQuestionResult result);
    bool UsesCheck() const;
    bool UsesRadios() const;

    EKind m_kind = kCancelOk;
    QString m_caption;
    QString m_heading;
    QString m_body;
    QString m_firstText;
    QString m_secondText;
    QString m_textFile;
    std::uint32_t m_pictureId = 0;
    std::uint32_t m_secondId = 0;
    int m_delay = 500;
    std::uint32_t m_currentId = 0;
    std::int32_t m_picture = 0;
    std::int32_t m_second = 0;
    bool m_checked = false;
    int m_choice = 1;
    bool m_prepared = false;
};

#pragma once

// The page chooser of "Move after page...", "Move before page..." and "Swap with page...": a
// header, a prompt and a drop-down list with one "Page %d" entry per page that is not
// excluded. Ok (button, soft key or Enter) is enabled only while an entry is selected and
// ends the screen with IDOK; Result() is then the chosen page index, else -1.

#include "session/PageOperations.h"
#include "ui/toolkit/Dialog.h"

#include <cstdint>

class QComboBox;

class CPageChooserDlg : public CDialog {
public:
    explicit CPageChooserDlg(CScreen* owner = nullptr);
    ~CPageChooserDlg() override;

    void SetPages(int currentIndex, int pageCount);
    void Exclude(int index);
    // Sets the pages and exclusions at once.
    void SetChoices(const CPageChoices& choices) { m_choices = choices; }
    bool HasChoices() const { return m_choices.HasChoices(); }
    void SetHeader(const QString& title, const QString& subtitle);
    void SetPrompt(const QString& text);
    int Result() const { return m_result; }

    QComboBox* List() const { return m_list; }

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;

private:
    void OnSelectionChanged();
    void OnOk();

    CPageChoices m_choices;
    int m_result = -1;
    QString m_title;
    QString m_subtitle;
    QComboBox* m_list = nullptr;
    std::int32_t m_picture = 0;
};

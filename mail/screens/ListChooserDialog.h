#pragma once

// The chooser of one item from a drop-down list, used for the mail account and for one of a
// contact's addresses: header title and subtitle, a label, the list, an explanation below,
// Cancel and OK. GetChosenIndex is the index of the chosen item, -1 until OK is chosen.

#include "ui/toolkit/Dialog.h"

#include <QStringList>

#include <cstdint>

class QComboBox;

class CListChooserDialog : public CDialog {
public:
    explicit CListChooserDialog(CScreen* owner = nullptr);
    ~CListChooserDialog() override;

    void SetHeader(const QString& title, const QString& subtitle);
    void SetHeaderPicture(std::uint32_t pictureId) { m_pictureId = pictureId; }
    void SetLabel(const QString& text);
    void SetText(const QString& text);
    void AddItem(const QString& text);

    int GetChosenIndex() const { return m_chosen; }
    QString Title() const { return m_title; }
    QStringList Items() const { return m_items; }
    QComboBox* List() const;

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void OnOK() override;
    void Layout() override;

private:
    QString m_title;
    QString m_subtitle;
    QStringList m_items;
    std::uint32_t m_pictureId;
    std::int32_t m_picture = 0;
    int m_chosen = -1;
};

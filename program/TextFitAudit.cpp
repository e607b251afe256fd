#include "program/TextFitAudit.h"

#include "text/Catalogue.h"
#include "ui/device/SoftKeyBar.h"
#include "ui/toolkit/SkinButton.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <memory>

namespace {

// What a text needs, drawn with `flags` into a box of `room`'s width.
QSize Needed(const QFontMetrics& fm, const QRect& room, int flags, const QString& text) {
    if (flags & Qt::TextWordWrap) {
        // Word wrap never breaks a word: the widest word must fit on its own.
        int widest = 0;
        for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+"))))
            widest = std::max(widest, fm.horizontalAdvance(word));
        const QRect wrapped = fm.boundingRect(room, flags, text);
        return {std::max(widest, wrapped.width()), wrapped.height()};
    }
    return fm.boundingRect(QRect(0, 0, 100000, 100000), flags, text).size();
}

bool Fits(const QSize& needed, const QSize& room) {
    return needed.width() <= room.width() && needed.height() <= room.height();
}

class CAudit {
public:
    explicit CAudit(QStringList& out) : m_out(out), m_catalogue(ActiveCatalogue()) {}

    // Reports `text` unless it fits `room`, or its English would not have fitted either.
    void Check(const char* kind, const QFontMetrics& fm, const QRect& room, int flags,
               const QString& text) {
        if (text.trimmed().isEmpty() || room.isEmpty())
            return;
        const QSize needed = Needed(fm, room, flags, text);
        if (Fits(needed, room.size()))
            return;
        // The English is the measure: what is cut off in English is cut off by design.
        if (m_catalogue->Languages().isEmpty())
            return;
        const QString english = m_catalogue->SourceOf(text);
        if (!english.isEmpty() && !Fits(Needed(fm, room, flags, english), room.size()))
            return;
        m_out << QStringLiteral("%1 '%2' needs %3x%4, has %5x%6")
                     .arg(QString::fromLatin1(kind), QString(text).replace(u'\n', u' '))
                     .arg(needed.width())
                     .arg(needed.height())
                     .arg(room.width())
                     .arg(room.height());
    }

private:
    QStringList& m_out;
    std::shared_ptr<const CCatalogue> m_catalogue;
};

void CheckLabel(CAudit& audit, const QLabel* label) {
    if (label->text().isEmpty() || !label->pixmap().isNull() ||
        label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
        return;
    const int m = label->margin();
    QRect room = label->contentsRect().adjusted(m, m, -m, -m);
    const int indent = label->indent() > 0 ? label->indent() : 0;
    room.adjust(indent, 0, 0, 0);
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    audit.Check("Label", label->fontMetrics(), room, flags, label->text());
}

void CheckChoice(CAudit& audit, const QAbstractButton* button, const char* kind) {
    // The room is what the style leaves beside the indicator.
    const QStyle::SubElement element = qobject_cast<const QCheckBox*>(button)
                                           ? QStyle::SE_CheckBoxContents
                                           : QStyle::SE_RadioButtonContents;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(element, &option, button);
    audit.Check(kind, button->fontMetrics(), room, Qt::AlignLeft | Qt::AlignVCenter,
                button->text());
}

void CheckCombo(CAudit& audit, const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, combo);
    audit.Check("Combo box", combo->fontMetrics(), room, Qt::AlignLeft | Qt::AlignVCenter,
                combo->currentText());
}

void CheckList(CAudit& audit, const QListWidget* list) {
    if (list->textElideMode() == Qt::ElideNone)
        return;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        QRect room = list->visualItemRect(item);
        if (!list->viewport()->rect().intersects(room))
            continue;
        // The style's text margin on either side, and the icon when there is one.
        const int margin =
            list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        room.adjust(margin, 0, -margin, 0);
        if (!item->icon().isNull())
            room.adjust(list->iconSize().width() + 2 * margin, 0, 0, 0);
        room.setWidth(std::min(room.width(), list->viewport()->width() - 2 * margin));
        audit.Check("List entry", QFontMetrics(item->font()), room,
                    Qt::AlignLeft | Qt::AlignVCenter, item->text());
    }
}

} // namespace

QStringList FindClippedTexts(QWidget* root, const CSoftKeyBar* softKeys) {
    QStringList out;
    CAudit audit(out);
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (const QWidget* w : widgets) {
        if (!w->isVisibleTo(root) && w != root)
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(w))
            CheckLabel(audit, label);
        else if (const auto* box = qobject_cast<const QCheckBox*>(w))
            CheckChoice(audit, box, "Check box");
        else if (const auto* radio = qobject_cast<const QRadioButton*>(w))
            CheckChoice(audit, radio, "Radio button");
        else if (const auto* button = dynamic_cast<const CSkinButton*>(w))
            audit.Check("Button", button->fontMetrics(), button->LastTextRect(),
                        button->LastTextFlags(), button->text());
        else if (const auto* combo = qobject_cast<const QComboBox*>(w))
            CheckCombo(audit, combo);
        else if (const auto* list = qobject_cast<const QListWidget*>(w))
            CheckList(audit, list);
    }
    if (softKeys && softKeys->isVisible()) {
        const QFontMetrics fm(softKeys->KeyFont());
        for (bool left : {true, false})
            audit.Check("Soft key", fm, softKeys->KeyRect(left), Qt::AlignCenter,
                        softKeys->KeyText(left));
    }
    return out;
}

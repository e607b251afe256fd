#include "browser/screens/FileList.h"

#include "browser/FileEntry.h"
#include "browser/IconProvider.h"
#include "resources/ids/StringIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/toolkit/TouchInput.h"

#include <QHeaderView>
#include <QScrollBar>

namespace {

constexpr int kPathRole = Qt::UserRole;

// An item that sorts by its entry with the column's own comparison.
class CFileItem : public QTreeWidgetItem {
public:
    explicit CFileItem(CFileEntry entry) : m_entry(std::move(entry)) {
        for (int c = 0; c < kColumnCount; ++c)
            setText(c, m_entry.ColumnText(c));
        setData(0, kPathRole, m_entry.path);
        for (int c : {kColumnSize, kColumnDate, kColumnAttributes})
            setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const auto& entry = static_cast<const CFileItem&>(other).m_entry;
        const int order = CompareFileEntries(m_entry, entry, column);
        // Equal keys fall back to the name, so the order never depends on the last sort.
        return order != 0 ? order < 0 : CompareFileEntries(m_entry, entry, kColumnName) < 0;
    }

private:
    CFileEntry m_entry;
};

} // namespace

CFileList::CFileList(CIconProvider& icons, QWidget* parent) : QTreeWidget(parent), m_icons(icons) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(LoadFormatted(ids::IDS_BROWSER_FILES));
    // The small icons of the screen class: doubled on a high-resolution screen.
    setIconSize(QSize(ScalePixels(16), ScalePixels(16)));
    // A long name keeps its start and its extension.
    setTextElideMode(Qt::ElideMiddle);
    EnableFlicking(this);
    FitRowsForTouch(this);

    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (m_onSelect)
            m_onSelect(current ? current->data(0, kPathRole).toString() : QString());
    });
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item && m_onActivate)
            m_onActivate(item->data(0, kPathRole).toString());
    });
}

void CFileList::Init() {
    using namespace ids;
    static constexpr struct {
        std::uint16_t title;
        int width;
        Qt::Alignment align;
    } kColumns[] = {
        {IDS_BROWSER_COLUMN_NAME, 100, Qt::AlignLeft},
        {IDS_BROWSER_COLUMN_SIZE, 60, Qt::AlignRight},
        {IDS_BROWSER_COLUMN_DATE, 80, Qt::AlignRight},
        {IDS_BROWSER_COLUMN_ATTRIBUTES, 50, Qt::AlignRight},
        {IDS_BROWSER_COLUMN_TYPE, 60, Qt::AlignLeft},
    };
    setColumnCount(kColumnCount);
    auto* head = new QTreeWidgetItem;
    for (int c = 0; c < kColumnCount; ++c) {
        head->setText(c, LoadFormatted(kColumns[c].title));
        head->setTextAlignment(c, kColumns[c].align | Qt::AlignVCenter);
    }
    setHeaderItem(head);
    for (int c = 0; c < kColumnCount; ++c)
        setColumnWidth(c, ScalePixels(kColumns[c].width));
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    setSortingEnabled(true);
    sortByColumn(kColumnName, Qt::AscendingOrder);
}

void CFileList::ShowFolder(const QString& folder, const QStringList& filters) {
    m_folder = folder;
    m_filters = filters;
    const bool sorting = isSortingEnabled();
    setSortingEnabled(false);
    clear();
    QList<QTreeWidgetItem*> items;
    for (CFileEntry& entry : ListFiles(folder, filters, m_showHidden)) {
        const int icon = m_icons.FileIcon(entry.path);
        auto* item = new CFileItem(std::move(entry));
        item->setIcon(0, m_icons.Icon(icon));
        items.append(item);
    }
    addTopLevelItems(items);
    setSortingEnabled(sorting);
    setCurrentItem(nullptr);
    FitColumns();
}

int CFileList::RowHeight() const {
    if (topLevelItemCount() > 0)
        return visualItemRect(topLevelItem(0)).height();
    // Without rows: the taller of icon and text and their margins, or a finger's height.
    const int content = std::max(iconSize().height(), fontMetrics().height()) + 2;
    return std::max(content, MinimumTouchTarget(this));
}

int CFileList::HeightForRows(int rows) const {
    const int titles = header()->isHidden() ? 0 : header()->sizeHint().height();
    // Columns wider than the list bring a scroll bar under the rows.
    const int bar = header()->length() > width() - 2 * frameWidth()
                        ? horizontalScrollBar()->sizeHint().height()
                        : 0;
    return titles + rows * RowHeight() + bar + 2 * frameWidth();
}

void CFileList::FitColumns() {
    // A cut number or date says nothing: these columns grow to their widest text (and title).
    // The name and the type keep their widths and are elided.
    for (int c : {kColumnSize, kColumnDate, kColumnAttributes}) {
        const int needed = std::max(sizeHintForColumn(c), header()->sectionSizeHint(c));
        if (needed > columnWidth(c))
            setColumnWidth(c, needed);
    }
}

QString CFileList::GetSelectedPath() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(0, kPathRole).toString();
}

bool CFileList::SelectFile(const QString& name) {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (topLevelItem(i)->text(kColumnName) == name) {
            setCurrentItem(topLevelItem(i));
            return true;
        }
    }
    return false;
}

#include "jobs/FileListView.h"

#include <QHeaderView>

namespace {
// Column widths: 4400.5 and 4040.5 twips at 15 twips to a pixel.
constexpr int FilePathWidth = 293;
constexpr int ConvertToWidth = 269;
} // namespace

FileListView::FileListView(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setHeaderLabels({QStringLiteral("File Path"), QStringLiteral("Convert to")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    setColumnWidth(0, FilePathWidth);
    setColumnWidth(1, ConvertToWidth);
}

void FileListView::AppendRow(const QString &text)
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, text);
    addTopLevelItem(item);
}

bool FileListView::AddSubItem(int row, const QString &text)
{
    if (row < 1 || row > RowCount())
        return false;
    topLevelItem(row - 1)->setText(1, text);
    return true;
}

int FileListView::RowCount() const { return topLevelItemCount(); }

std::optional<QString> FileListView::RowText(int row) const
{
    if (row < 1 || row > RowCount())
        return std::nullopt;
    return topLevelItem(row - 1)->text(0);
}

std::optional<QString> FileListView::SubItemText(int row) const
{
    if (row < 1 || row > RowCount())
        return std::nullopt;
    return topLevelItem(row - 1)->text(1);
}

bool FileListView::RemoveRow(int row)
{
    if (row < 1 || row > RowCount())
        return false;
    // Removing the current row makes its follower current, and a shown view
    // would scroll to it and lay out every row again: emptying a full list
    // row by row would take many seconds.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    delete takeTopLevelItem(row - 1);
    setAutoScroll(scrolls);
    return true;
}

std::optional<int> FileListView::SelectedRow() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return indexOfTopLevelItem(selected.first()) + 1;
}

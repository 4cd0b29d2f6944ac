#pragma once
// The file list: one row per entry, the source path as the row's text and
// the output path as its sub-item 1. Rows are numbered from 1, never sorted.

#include <QTreeWidget>

#include <optional>

class FileListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit FileListView(QWidget *parent = nullptr);

    // The row goes to the end, without sub-items.
    void AppendRow(const QString &text);
    // Gives a row that has none its sub-item 1. False when the row is not there.
    bool AddSubItem(int row, const QString &text);
    int RowCount() const;
    // Nothing when the row number is not 1 to RowCount().
    std::optional<QString> RowText(int row) const;
    std::optional<QString> SubItemText(int row) const;
    bool RemoveRow(int row);
    // Nothing when no row is selected.
    std::optional<int> SelectedRow() const;
};

// The file list's 1-based operations and their failures.

#include "jobs/FileListView.h"

#include <gtest/gtest.h>

namespace {

TEST(FileList, RowsAreNumberedFromOneAndMoveUpWhenOneGoes)
{
    FileListView list;
    EXPECT_EQ(list.RowCount(), 0);
    for (const char *name : {"a", "b", "c"}) {
        list.AppendRow(QString::fromLatin1(name));
        EXPECT_TRUE(list.AddSubItem(list.RowCount(), QStringLiteral("out-") + QLatin1String(name)));
    }
    ASSERT_EQ(list.RowCount(), 3);
    EXPECT_TRUE(list.RemoveRow(2));
    ASSERT_EQ(list.RowCount(), 2);
    EXPECT_EQ(list.RowText(1).value(), QStringLiteral("a"));
    EXPECT_EQ(list.RowText(2).value(), QStringLiteral("c"));
    EXPECT_EQ(list.SubItemText(2).value(), QStringLiteral("out-c"));
    EXPECT_EQ(list.headerItem()->text(0), QStringLiteral("File Path"));
    EXPECT_EQ(list.headerItem()->text(1), QStringLiteral("Convert to"));
}

TEST(FileList, RowNumbersOutsideTheListAndNoSelectionFail)
{
    FileListView list;
    EXPECT_FALSE(list.SelectedRow().has_value());
    list.AppendRow(QStringLiteral("a"));
    for (int row : {0, -1, 2}) {
        SCOPED_TRACE(row);
        EXPECT_FALSE(list.RowText(row).has_value());
        EXPECT_FALSE(list.SubItemText(row).has_value());
        EXPECT_FALSE(list.RemoveRow(row));
        EXPECT_FALSE(list.AddSubItem(row, QStringLiteral("x")));
    }
    EXPECT_EQ(list.SubItemText(1).value(), QString()) << "a row starts without its sub-item";
    EXPECT_FALSE(list.SelectedRow().has_value());
    list.AppendRow(QStringLiteral("b"));
    list.setCurrentItem(list.topLevelItem(1));
    EXPECT_EQ(list.SelectedRow().value(), 2);
}

} // namespace

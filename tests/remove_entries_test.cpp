// Command 1 and the Remove menu: Remove Selected and Remove All.

#include "jobs/FileListView.h"
#include "jobs/SettingsPanel.h"
#include "support/ScriptedPlatform.h"
#include "window/frmMain.h"
#include "window/frmPop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class RemoveEntries : public ::testing::Test {
protected:
    ScriptedPlatform scripted;
    frmMain window;
    frmPop &pop = frmPopInstance();

    void SetUp() override
    {
        ASSERT_TRUE(window.Form_Load());
        window.lblFileNo->setText(QStringLiteral("3 file(s) left"));
    }

    void addRows(int count)
    {
        for (int row = 1; row <= count; ++row) {
            window.LV->AppendRow(QStringLiteral("/clips/%1.flv").arg(row));
            window.LV->AddSubItem(window.LV->RowCount(), QStringLiteral("/out/%1.avi").arg(row));
        }
        window.LV->show();
    }

    QStringList rows() const
    {
        QStringList texts;
        for (int row = 1; row <= window.LV->RowCount(); ++row)
            texts << window.LV->RowText(row).value() + QLatin1Char('|') + window.LV->SubItemText(row).value();
        return texts;
    }

    void select(int row) { window.LV->setCurrentItem(window.LV->topLevelItem(row - 1)); }

    void expectAskedOnce()
    {
        ASSERT_EQ(scripted.messages.size(), 1u);
        const MessageBoxRequest &box = scripted.messages[0];
        EXPECT_EQ(box.text, QStringLiteral("Remove all files from the file list?"));
        EXPECT_EQ(box.title, QStringLiteral("Confirmation"));
        EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.owner, &window);
    }

    void expectNothingElseChanged()
    {
        EXPECT_EQ(window.lblFileNo->text(), QStringLiteral("3 file(s) left"));
        EXPECT_FALSE(window.lblFileNo->isVisible());
        EXPECT_TRUE(window.picSetting->isHidden());
        EXPECT_EQ(window.menuMsg->text(), QStringLiteral("b0"));
        EXPECT_TRUE(scripted.popups.empty());
    }
};

TEST_F(RemoveEntries, RemoveCommandHidesThePanelAndPopsTheMenuAtThePointer)
{
    addRows(2);
    window.picSetting->show();
    scripted.pointer = QPoint(517, 333);
    window.imgButton_MouseUp(1, 1, 0, 0, 0); // closed without a choice
    ASSERT_EQ(scripted.popups.size(), 1u);
    EXPECT_EQ(scripted.popups[0].menuTitle, QStringLiteral("Remove"));
    EXPECT_EQ(scripted.popups[0].globalPos, QPoint(517, 333));
    EXPECT_TRUE(window.picSetting->isHidden());
    EXPECT_EQ(window.LV->RowCount(), 2);
    EXPECT_TRUE(scripted.messages.empty());

    window.LV->RemoveRow(1);
    window.LV->RemoveRow(1);
    window.imgButton_MouseUp(1, 1, 0, 0, 0);
    EXPECT_EQ(scripted.popups.size(), 2u) << "an empty list still gets the menu";
}

TEST_F(RemoveEntries, RemoveSelectedRemovesExactlyTheSelectedRowWithoutAsking)
{
    addRows(5);
    select(3);
    scripted.menuChoices = {QStringLiteral("Remove Selected")};
    window.imgButton_MouseUp(1, 1, 0, 0, 0);
    EXPECT_EQ(rows(), QStringList({"/clips/1.flv|/out/1.avi", "/clips/2.flv|/out/2.avi",
                                   "/clips/4.flv|/out/4.avi", "/clips/5.flv|/out/5.avi"}));
    EXPECT_TRUE(scripted.messages.empty());

    // Whatever row the list now reports as selected goes next, and only that one.
    const std::optional<int> next = window.LV->SelectedRow();
    const int before = window.LV->RowCount();
    pop.menuRS_Click();
    EXPECT_EQ(window.LV->RowCount(), before - (next ? 1 : 0));
    EXPECT_EQ(window.lblFileNo->text(), QStringLiteral("3 file(s) left"));
}

TEST_F(RemoveEntries, RemoveSelectedWithNothingToRemoveDoesNothing)
{
    pop.menuRS_Click(); // empty list
    EXPECT_EQ(window.LV->RowCount(), 0);
    addRows(3);
    window.LV->clearSelection();
    ASSERT_FALSE(window.LV->SelectedRow().has_value());
    pop.menuRS_Click();
    EXPECT_EQ(window.LV->RowCount(), 3);
    EXPECT_TRUE(scripted.messages.empty());
    expectNothingElseChanged();
}

TEST_F(RemoveEntries, RemoveAllAnsweredWithCancelKeepsEveryRow)
{
    addRows(4);
    const QStringList before = rows();
    scripted.messageAnswers = {MsgAnswer::Cancel};
    pop.Remnoveall_Click();
    expectAskedOnce();
    EXPECT_EQ(rows(), before);
    expectNothingElseChanged();
}

TEST_F(RemoveEntries, RemoveAllOnAnEmptyListStillAsks)
{
    pop.Remnoveall_Click();
    expectAskedOnce();
    EXPECT_EQ(window.LV->RowCount(), 0);
    expectNothingElseChanged();
}

TEST_F(RemoveEntries, RemoveAllAnsweredWithOkEmptiesAFullListAndNothingElse)
{
    // The most one run can take, shown, with the first row current: every
    // removal moves the current row on.
    window.show();
    addRows(32767);
    select(1);
    window.LV->setFocus();
    scripted.menuChoices = {QStringLiteral("Remove All")};
    window.imgButton_MouseUp(1, 1, 0, 0, 0);
    scripted.popups.clear();
    expectAskedOnce();
    EXPECT_EQ(window.LV->RowCount(), 0);
    EXPECT_FALSE(window.LV->SelectedRow().has_value());
    EXPECT_FALSE(window.LV->isHidden()) << "the list stays in view";
    expectNothingElseChanged();
}

// The real box: closing it answers as Cancel.
class RealBox : public ScriptedPlatform {
public:
    QString shownTitle;
    QString defaultButton;
    bool hadWarningIcon = false;

    MsgAnswer messageBox(const MessageBoxRequest &request) override
    {
        messages.push_back(request);
        QTimer::singleShot(0, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            shownTitle = box->windowTitle();
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            hadWarningIcon = box->icon() == QMessageBox::Warning;
            box->close();
        });
        return QtDesktop::messageBox(request);
    }
};

TEST(RemoveAllBox, ClosingTheRealBoxRemovesNothing)
{
    RealBox real;
    frmMain window;
    ASSERT_TRUE(window.Form_Load());
    window.show();
    window.LV->AppendRow(QStringLiteral("/clips/a.flv"));
    window.LV->AppendRow(QStringLiteral("/clips/b.flv"));
    frmPopInstance().Remnoveall_Click();
    ASSERT_EQ(real.messages.size(), 1u);
    EXPECT_EQ(real.shownTitle, QStringLiteral("Confirmation"));
    EXPECT_EQ(real.defaultButton.remove(QLatin1Char('&')), QStringLiteral("OK"));
    EXPECT_TRUE(real.hadWarningIcon);
    EXPECT_EQ(window.LV->RowCount(), 2);
}

} // namespace

// The Add command: the two dialogs, the existence test and the new entry.

#include "jobs/FileListView.h"
#include "jobs/SettingsPanel.h"
#include "support/ScriptedPlatform.h"
#include "window/frmMain.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QStringList OpenFilters = {QStringLiteral("FLV Files(*.FLV) (*.flv)"), QStringLiteral("All(*.*) (*)")};
const QStringList SaveFilters = {QStringLiteral("AVI Files(*.AVI) (*.avi)"),
                                 QStringLiteral("WMV Files(*.wmv) - Zune/Pocket PC (*.wmv)"),
                                 QStringLiteral("MOV Files(*.mov) - QuickTime (*.mov)"),
                                 QStringLiteral("MP4 Files(*.mp4) - iPod/PSP/MP4 (*.mp4)"),
                                 QStringLiteral("3GP Files(*.3gp) - Mobile Phone (*.3gp)")};

class AddCommand : public ::testing::Test {
protected:
    ScriptedPlatform scripted;
    frmMain window;

    void SetUp() override { ASSERT_TRUE(window.Form_Load()); }

    QString makeFile(const QString &name)
    {
        const QString path = scripted.programDir.path() + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("FLV");
        return path;
    }

    void add(const std::optional<QString> &source, const std::optional<QString> &output)
    {
        scripted.fileAnswers = {source, output};
        window.imgButton_MouseUp(0, 1, 0, 0, 0);
    }

    void expectNotExistMessage()
    {
        ASSERT_EQ(scripted.messages.size(), 1u);
        const MessageBoxRequest &box = scripted.messages.front();
        EXPECT_EQ(box.text, QStringLiteral("File is not exist"));
        EXPECT_EQ(box.title, QStringLiteral("Warning"));
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(scripted.fileDialogs.size(), 1u) << "no save dialog after a missing source";
        EXPECT_EQ(window.LV->RowCount(), 0);
        EXPECT_TRUE(window.LV->isHidden());
    }
};

TEST_F(AddCommand, AppendsOneEntryWithBothPathsExactlyAndShowsTheList)
{
    const QString source = makeFile(QStringLiteral("my clip ü.flv"));
    const QString output = QStringLiteral("/somewhere else/Résultat .AVI");
    window.picSetting->show();
    add(source, output);

    EXPECT_TRUE(window.picSetting->isHidden());
    EXPECT_TRUE(scripted.messages.empty());
    ASSERT_EQ(window.LV->RowCount(), 1);
    EXPECT_EQ(window.LV->RowText(1).value(), source);
    EXPECT_EQ(window.LV->SubItemText(1).value(), output);
    EXPECT_FALSE(window.LV->isHidden());

    ASSERT_EQ(scripted.fileDialogs.size(), 2u);
    const FileDialogRequest &open = scripted.fileDialogs[0];
    EXPECT_EQ(open.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(open.title, QStringLiteral("Open"));
    EXPECT_EQ(open.nameFilters, OpenFilters);
    EXPECT_EQ(open.initialFolder, scripted.programFolder());
    EXPECT_EQ(open.owner, &window);
    EXPECT_FALSE(open.fileMustExist);
    EXPECT_FALSE(open.confirmOverwrite);

    const FileDialogRequest &save = scripted.fileDialogs[1];
    EXPECT_EQ(save.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(save.title, QStringLiteral("Save as"));
    EXPECT_EQ(save.nameFilters, SaveFilters);
    EXPECT_EQ(save.initialFolder, scripted.programFolder());
    EXPECT_FALSE(save.fileMustExist);
    EXPECT_FALSE(save.confirmOverwrite) << "an existing output is accepted without a question";
}

TEST_F(AddCommand, MissingSourcesShowFileIsNotExistAndAskNoFurther)
{
    QDir(scripted.programDir.path()).mkdir(QStringLiteral("a folder.flv"));
    const struct {
        const char *what;
        std::optional<QString> source;
    } cases[] = {
        {"typed name of no file", scripted.programDir.path() + "/missing.flv"},
        {"hidden file", makeFile(QStringLiteral(".hidden.flv"))},
        {"folder", scripted.programDir.path() + "/a folder.flv"},
        {"open dialog cancelled", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        scripted.messages.clear();
        scripted.fileDialogs.clear();
        add(c.source, QStringLiteral("/out/x.avi"));
        expectNotExistMessage();
    }
}

TEST_F(AddCommand, SaveCancelledLeavesNoTrace)
{
    add(makeFile(QStringLiteral("clip.flv")), std::nullopt);
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_EQ(scripted.fileDialogs.size(), 2u);
    EXPECT_EQ(window.LV->RowCount(), 0);
    EXPECT_TRUE(window.LV->isHidden());
}

TEST_F(AddCommand, AcceptsDuplicatesSharedOutputsAndOutputEqualToSource)
{
    const QString source = makeFile(QStringLiteral("clip.flv"));
    add(source, QStringLiteral("/out/a.avi"));
    add(source, QStringLiteral("/out/a.avi"));
    add(source, source);
    add(source, QStringLiteral("/out/no extension"));
    ASSERT_EQ(window.LV->RowCount(), 4);
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(window.LV->RowText(row).value(), source);
    EXPECT_EQ(window.LV->SubItemText(2).value(), QStringLiteral("/out/a.avi"));
    EXPECT_EQ(window.LV->SubItemText(3).value(), source);
    EXPECT_EQ(window.LV->SubItemText(4).value(), QStringLiteral("/out/no extension"));
    EXPECT_TRUE(scripted.messages.empty());
}

TEST_F(AddCommand, ListStaysShownOnceShown)
{
    add(makeFile(QStringLiteral("clip.flv")), QStringLiteral("/out/a.avi"));
    ASSERT_FALSE(window.LV->isHidden());
    window.LV->RemoveRow(1);
    add(std::nullopt, std::nullopt);
    EXPECT_FALSE(window.LV->isHidden());
}

} // namespace

// The command dispatcher: its common first steps and the choice of command.

#include "jobs/FileListView.h"
#include "jobs/SettingsPanel.h"
#include "support/ScriptedPlatform.h"
#include "window/ImageArea.h"
#include "window/Module1.h"
#include "window/frmMain.h"

#include <gtest/gtest.h>

namespace {

class Dispatcher : public ::testing::Test {
protected:
    ScriptedPlatform scripted;
    frmMain window;

    void SetUp() override
    {
        ASSERT_TRUE(window.Form_Load());
        for (int i = 0; i < 6; ++i)
            window.imgButton[i]->setPicture(window.imgButtonPush[i]);
        Module1::MenuButtonDown = true;
    }

    void TearDown() override { Module1::MenuButtonDown = false; }

    int picturedButtons() const
    {
        int count = 0;
        for (ImageArea *button : window.imgButton)
            count += button->hasPicture() ? 1 : 0;
        return count;
    }

    bool nothingAsked() const
    {
        return scripted.messages.empty() && scripted.fileDialogs.empty() && scripted.popups.empty()
               && scripted.shellOpened.empty() && scripted.endProgramCalls == 0;
    }
};

TEST_F(Dispatcher, ToolStripReleaseLeavesOnlyTheReleasedButtonInItsHoverLook)
{
    const int pumped = scripted.doEventsCalls;
    window.imgButton_MouseUp(4, 2, 0, 0, 0); // right button: the button is not looked at
    EXPECT_EQ(picturedButtons(), 1);
    EXPECT_EQ(window.imgButton[4]->picture().cacheKey(), window.imgButtonData[4].cacheKey());
    EXPECT_FALSE(window.CalledFromMenu);
    EXPECT_FALSE(Module1::MenuButtonDown);
    EXPECT_GT(scripted.doEventsCalls, pumped);
}

TEST_F(Dispatcher, ChannelCallLeavesNoButtonHighlighted)
{
    window.CalledFromMenu = true;
    window.imgButton_MouseUp(4, 0, 0, 1, 1);
    EXPECT_EQ(picturedButtons(), 0);
    EXPECT_FALSE(window.CalledFromMenu);
    EXPECT_FALSE(Module1::MenuButtonDown);
    EXPECT_EQ(scripted.shellOpened.size(), 1u) << "the command still runs";
}

TEST_F(Dispatcher, NumbersOutsideTheCommandsRunOnlyTheFirstSteps)
{
    window.picSetting->show();
    for (qint16 index : {qint16(6), qint16(9), qint16(-1), qint16(-32768)}) {
        SCOPED_TRACE(index);
        for (int i = 0; i < 6; ++i)
            window.imgButton[i]->setPicture(window.imgButtonPush[i]);
        window.CalledFromMenu = true;
        Module1::MenuButtonDown = true;
        const int pumped = scripted.doEventsCalls;
        window.imgButton_MouseUp(index, 0, 0, 1, 1);
        EXPECT_EQ(picturedButtons(), 0);
        EXPECT_FALSE(window.CalledFromMenu);
        EXPECT_FALSE(Module1::MenuButtonDown);
        EXPECT_GT(scripted.doEventsCalls, pumped);
        EXPECT_TRUE(nothingAsked());
        EXPECT_TRUE(!window.picSetting->isHidden());
    }
}

TEST_F(Dispatcher, HelpOpensTheHelpFileBesideTheProgramAndReportsNothing)
{
    window.picSetting->show();
    scripted.shellResult = false; // no help.chm, or the shell failed
    window.imgButton_MouseUp(4, 1, 0, 0, 0);
    ASSERT_EQ(scripted.shellOpened.size(), 1u);
    EXPECT_EQ(scripted.shellOpened.front(), scripted.programFolder() + QStringLiteral("/help.chm"));
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_TRUE(!window.picSetting->isHidden()) << "Help leaves an open panel open";
    EXPECT_EQ(window.HelpFile, scripted.programFolder() + QStringLiteral("/help.chm"));
}

TEST_F(Dispatcher, EachNumberReachesItsCommand)
{
    struct Case {
        qint16 index;
        const char *command;
        std::function<bool()> ran;
    };
    const Case cases[] = {
        {0, "Add",
         [&] {
             return scripted.fileDialogs.size() == 1
                    && scripted.fileDialogs[0].title == QStringLiteral("Open");
         }},
        {1, "Remove",
         [&] {
             return scripted.popups.size() == 1
                    && scripted.popups[0].items == QStringList{"Remove Selected", "Remove All"};
         }},
        {2, "Convert",
         [&] {
             return scripted.messages.size() == 1
                    && scripted.messages[0].text
                           == QStringLiteral("Please click Add Button to add a FLV file");
         }},
        {3, "Settings", [&] { return !window.picSetting->isHidden(); }},
        {4, "Help", [&] { return scripted.shellOpened.size() == 1; }},
        {5, "Exit", [&] { return scripted.endProgramCalls == 1; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command);
        scripted.messages.clear();
        scripted.fileDialogs.clear();
        scripted.popups.clear();
        scripted.shellOpened.clear();
        scripted.endProgramCalls = 0;
        scripted.messageAnswers = {MsgAnswer::Ok, MsgAnswer::Ok}; // "File is not exist" after Add
        window.picSetting->hide();
        window.imgButton_MouseUp(c.index, 1, 0, 0, 0);
        EXPECT_TRUE(c.ran());
        if (c.index == 0) {
            EXPECT_EQ(scripted.messages.size(), 1u);
        } else if (c.index != 2) {
            EXPECT_TRUE(scripted.messages.empty());
        }
    }
}

TEST_F(Dispatcher, ExitEndsAtOnceEvenWithThePanelOpen)
{
    window.picSetting->show();
    window.imgButton_MouseUp(5, 1, 0, 0, 0);
    EXPECT_EQ(scripted.endProgramCalls, 1);
    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_TRUE(!window.picSetting->isHidden());
}

} // namespace

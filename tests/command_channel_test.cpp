// The command channel: relay items write a prefix letter and a digit into
// the hidden menuMsg, whose change runs the command through the dispatcher.

#include "jobs/SettingsPanel.h"
#include "support/ScriptedPlatform.h"
#include "window/ImageArea.h"
#include "window/Module1.h"
#include "window/frmMain.h"
#include "window/frmPop.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <gtest/gtest.h>

#include <functional>

namespace {

class CommandChannel : public ::testing::Test {
protected:
    ScriptedPlatform scripted;
    frmMain window;
    frmPop &pop = frmPopInstance();

    void SetUp() override { ASSERT_TRUE(window.Form_Load()); }
    void TearDown() override { Module1::MenuButtonDown = false; }

    QString channel() const { return window.menuMsg->text(); }

    int picturedButtons() const
    {
        int count = 0;
        for (ImageArea *button : window.imgButton)
            count += button->hasPicture() ? 1 : 0;
        return count;
    }

    bool nothingRan() const
    {
        return scripted.messages.empty() && scripted.fileDialogs.empty() && scripted.popups.empty()
               && scripted.shellOpened.empty() && scripted.endProgramCalls == 0
               && window.picSetting->isHidden();
    }
};

TEST_F(CommandChannel, CreatingTheWindowRunsNothing)
{
    EXPECT_EQ(channel(), QStringLiteral("b0"));
    EXPECT_FALSE(window.menuMsg->isVisible());
    EXPECT_FALSE(window.CalledFromMenu);
    EXPECT_EQ(scripted.doEventsCalls, 0) << "the dispatcher did not run";
    EXPECT_TRUE(nothingRan());
}

TEST_F(CommandChannel, PrefixAlternatesFromB0AndTheSameItemTwiceRunsTwice)
{
    pop.menuHelp_Click();
    EXPECT_EQ(channel(), QStringLiteral("a4")) << "the first command after start uses \"a\"";
    EXPECT_EQ(pop.MsgPrefix, QStringLiteral("a"));
    pop.menuHelp_Click();
    EXPECT_EQ(channel(), QStringLiteral("b4"));
    pop.menuSetting_Click();
    EXPECT_EQ(channel(), QStringLiteral("a3"));
    pop.menuHelp_Click();
    EXPECT_EQ(channel(), QStringLiteral("b4"));

    EXPECT_EQ(scripted.shellOpened.size(), 3u) << "Help ran each of the three times";
    EXPECT_FALSE(window.picSetting->isHidden());
    EXPECT_FALSE(window.CalledFromMenu);
    EXPECT_EQ(picturedButtons(), 0) << "a menu command leaves no tool button highlighted";
}

TEST_F(CommandChannel, PrefixFollowsAnyOtherFirstCharacter)
{
    // Anything but an exact "b" is followed by "b", the empty text included.
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("a1"), QStringLiteral("b")}, {QStringLiteral("B0"), QStringLiteral("b")},
        {QStringLiteral(""), QStringLiteral("b")},   {QStringLiteral("b"), QStringLiteral("a")},
        {QStringLiteral("bz"), QStringLiteral("a")},
    };
    for (const auto &[text, prefix] : cases) {
        SCOPED_TRACE(text.toStdString());
        window.menuMsg->setText(text);
        pop.ChangeMsg();
        EXPECT_EQ(pop.MsgPrefix, prefix);
    }
}

TEST_F(CommandChannel, EachRelayItemSendsItsDigitAndRunsItsCommand)
{
    struct Case {
        const char *item;
        std::function<void(frmPop &)> click;
        QChar digit;
        std::function<bool(const ScriptedPlatform &, const frmMain &)> ran;
    };
    const Case cases[] = {
        {"Add New", [](frmPop &p) { p.menuAdd_Click(); }, QLatin1Char('0'),
         [](const ScriptedPlatform &s, const frmMain &) { return s.fileDialogs.size() == 1; }},
        {"Remove", [](frmPop &p) { p.menuRemove_Click(); }, QLatin1Char('1'),
         [](const ScriptedPlatform &s, const frmMain &) {
             return s.popups.size() == 1 && s.popups[0].menuTitle == QLatin1String("Remove");
         }},
        {"Settings", [](frmPop &p) { p.menuSetting_Click(); }, QLatin1Char('3'),
         [](const ScriptedPlatform &, const frmMain &w) { return !w.picSetting->isHidden(); }},
        {"Help", [](frmPop &p) { p.menuHelp_Click(); }, QLatin1Char('4'),
         [](const ScriptedPlatform &s, const frmMain &) { return s.shellOpened.size() == 1; }},
        {"Exit", [](frmPop &p) { p.menuExit_Click(); }, QLatin1Char('5'),
         [](const ScriptedPlatform &s, const frmMain &) { return s.endProgramCalls == 1; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.item);
        ScriptedPlatform fresh;
        frmMain main;
        ASSERT_TRUE(main.Form_Load());
        c.click(pop);
        EXPECT_EQ(main.menuMsg->text(), QStringLiteral("a") + c.digit);
        EXPECT_TRUE(c.ran(fresh, main));
        EXPECT_FALSE(main.CalledFromMenu);
        EXPECT_TRUE(window.picSetting->isHidden()) << "only the registered main window is acted on";
    }
}

TEST_F(CommandChannel, StartConvertingOnAnEmptyListSaysWhatToDo)
{
    pop.menuConverter_Click();
    EXPECT_EQ(channel(), QStringLiteral("a2"));
    ASSERT_EQ(scripted.messages.size(), 1u);
    EXPECT_EQ(scripted.messages[0].text, QStringLiteral("Please click Add Button to add a FLV file"));
}

TEST_F(CommandChannel, DigitAboveFiveRunsOnlyTheDispatchersFirstSteps)
{
    for (const char *text : {"a6", "b9"}) {
        SCOPED_TRACE(text);
        window.imgButton[2]->setPicture(window.imgButtonPush[2]);
        Module1::MenuButtonDown = true;
        const int pumped = scripted.doEventsCalls;
        window.menuMsg->setText(QString::fromLatin1(text));
        EXPECT_EQ(scripted.doEventsCalls, pumped + 1) << "the dispatcher ran";
        EXPECT_FALSE(window.CalledFromMenu);
        EXPECT_FALSE(Module1::MenuButtonDown);
        EXPECT_EQ(picturedButtons(), 0);
        EXPECT_TRUE(nothingRan());
    }
}

TEST_F(CommandChannel, NonDigitLastCharacterRunsNothingAndLeavesTheFlagSet)
{
    for (const QString &text :
         {QStringLiteral("ax"), QStringLiteral("b "), QStringLiteral("a\u0663"), QStringLiteral("")}) {
        SCOPED_TRACE(text.toStdString());
        {
            const QSignalBlocker quiet(window.menuMsg);
            window.menuMsg->setText(QStringLiteral("b0"));
        }
        window.CalledFromMenu = false;
        const int pumped = scripted.doEventsCalls;
        window.menuMsg->setText(text);
        EXPECT_TRUE(window.CalledFromMenu);
        EXPECT_EQ(scripted.doEventsCalls, pumped) << "the dispatcher did not run";
        EXPECT_TRUE(nothingRan());
    }

    // The next release of a tool button runs its command without the hover look
    // and clears the flag.
    window.imgButton_MouseUp(4, 1, 0, 0, 0);
    EXPECT_EQ(scripted.shellOpened.size(), 1u);
    EXPECT_EQ(picturedButtons(), 0);
    EXPECT_FALSE(window.CalledFromMenu);
    window.imgButton_MouseUp(4, 1, 0, 0, 0);
    EXPECT_TRUE(window.imgButton[4]->hasPicture());
}

TEST_F(CommandChannel, AboutShowsTheMakersAddressAndTouchesNothing)
{
    pop.menuHelp_Click();
    scripted.shellOpened.clear();
    window.CalledFromMenu = true; // as a non-digit text left it
    const QString before = channel();
    const QString prefix = pop.MsgPrefix;

    pop.menuA_Click();

    ASSERT_EQ(scripted.messages.size(), 1u);
    const MessageBoxRequest &box = scripted.messages[0];
    EXPECT_EQ(box.title, QStringLiteral("About"));
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, MsgIcon::None);
    EXPECT_EQ(box.owner, &window);
    const QStringList lines = box.text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].isEmpty());
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(lines[2].isEmpty());

    EXPECT_EQ(channel(), before);
    EXPECT_EQ(pop.MsgPrefix, prefix);
    EXPECT_TRUE(window.CalledFromMenu);
    EXPECT_TRUE(scripted.shellOpened.empty());
    EXPECT_TRUE(window.picSetting->isHidden());
}

} // namespace

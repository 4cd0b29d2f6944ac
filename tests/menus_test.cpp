// The popup menus: their tree, and the commands that their items drive, with
// scripted choices and with real menus chosen by keys.

#include "jobs/FileListView.h"
#include "jobs/SettingsPanel.h"
#include "support/ScriptedPlatform.h"
#include "window/ImageArea.h"
#include "window/Module1.h"
#include "window/frmMain.h"
#include "window/frmPop.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(MenuTree, MenusHoldTheirItemsInOrder)
{
    frmPop &pop = frmPopInstance();
    EXPECT_TRUE(pop.isHidden());
    struct Menu {
        QMenu *menu;
        const char *title;
        QStringList items;
        QString accessKeys;
    };
    const Menu menus[] = {
        {pop.menuFile, "File", {"Add New(&A)", "Remove(&R)", "-", "Exit(&E)"}, "ARE"},
        {pop.menuTools, "Convert", {"Start Converting(&C)"}, "C"},
        {pop.menuSettings, "Settings", {"Settings(&S)"}, "S"},
        {pop.menuAbout, "About", {"Help(&H)", "-", "About(&A)"}, "HA"},
        {pop.remove, "Remove", {"Remove Selected", "Remove All"}, ""},
    };
    for (const Menu &m : menus) {
        SCOPED_TRACE(m.title);
        EXPECT_EQ(m.menu->title(), QString::fromLatin1(m.title));
        EXPECT_EQ(ScriptedPlatform::itemCaptions(m.menu), m.items);
        QString keys;
        for (const QAction *item : m.menu->actions()) {
            EXPECT_TRUE(item->isEnabled());
            EXPECT_FALSE(item->isCheckable());
            EXPECT_TRUE(item->shortcut().isEmpty());
            EXPECT_EQ(item->menu(), nullptr);
            const QKeySequence key = QKeySequence::mnemonic(item->text());
            if (!key.isEmpty())
                keys += QKeySequence(key[0].key()).toString();
        }
        EXPECT_EQ(keys, m.accessKeys);
    }
    const QAction *const named[] = {pop.menuAdd,       pop.menuRemove,  pop.menuS,     pop.menuExit,
                                    pop.menuConverter, pop.menuSetting, pop.menuHelp,  pop.menuSS,
                                    pop.menuA,         pop.menuRS,      pop.Remnoveall};
    const QList<QAction *> file = pop.menuFile->actions(), about = pop.menuAbout->actions(),
                           remove = pop.remove->actions();
    const QAction *const inOrder[] = {file[0],
                                      file[1],
                                      file[2],
                                      file[3],
                                      pop.menuTools->actions()[0],
                                      pop.menuSettings->actions()[0],
                                      about[0],
                                      about[1],
                                      about[2],
                                      remove[0],
                                      remove[1]};
    for (size_t i = 0; i < std::size(named); ++i)
        EXPECT_EQ(named[i], inOrder[i]) << i;
    EXPECT_EQ(&frmPopInstance(), &pop) << "one menu window";
}

class MenusDriveCommands : public ::testing::Test {
protected:
    ScriptedPlatform scripted;
    frmMain window;

    void SetUp() override { ASSERT_TRUE(window.Form_Load()); }
    void TearDown() override { Module1::MenuButtonDown = false; }

    bool titlePushed(int i) const
    {
        return window.imgMenu[i]->hasPicture()
               && window.imgMenu[i]->picture().cacheKey() == window.imgMenuPush[i].cacheKey();
    }
};

TEST_F(MenusDriveCommands, StartConvertingRunsWhileTheTitleIsStillPressed)
{
    bool pressHandlerReturned = false;
    bool pushedDuringRun = false;
    bool heldDuringRun = true;
    scripted.duringMessageBox = [&](const MessageBoxRequest &) {
        pushedDuringRun = titlePushed(1) && !pressHandlerReturned;
        heldDuringRun = Module1::MenuButtonDown;
    };
    scripted.menuChoices = {QStringLiteral("Start Converting(C)")};
    window.imgMenu_MouseDown(1, 1, 0, 0, 0);
    pressHandlerReturned = true;

    ASSERT_EQ(scripted.messages.size(), 1u) << "the run on an empty list says what to do";
    EXPECT_EQ(scripted.messages[0].text, QStringLiteral("Please click Add Button to add a FLV file"));
    EXPECT_TRUE(pushedDuringRun);
    EXPECT_FALSE(heldDuringRun) << "the dispatcher cleared the flag before the command";
    EXPECT_TRUE(titlePushed(1)) << "the press handler does not restore the title";
    EXPECT_FALSE(Module1::MenuButtonDown);
    EXPECT_EQ(window.menuMsg->text(), QStringLiteral("a2"));
}

TEST_F(MenusDriveCommands, ExitFromTheFileMenuEndsTheProgram)
{
    window.picSetting->show();
    scripted.menuChoices = {QStringLiteral("Exit(E)")};
    window.imgMenu_MouseDown(0, 1, 0, 0, 0);
    EXPECT_EQ(scripted.endProgramCalls, 1);
    EXPECT_TRUE(scripted.messages.empty()) << "nothing is asked";
    EXPECT_FALSE(window.picSetting->isHidden()) << "nothing is touched first";
}

TEST_F(MenusDriveCommands, RemoveFromTheFileMenuPopsTheRemoveMenuAtThePointer)
{
    window.picSetting->show();
    scripted.pointer = QPoint(321, 234);
    scripted.menuChoices = {QStringLiteral("Remove(R)")};
    window.imgMenu_MouseDown(0, 1, 0, 0, 0);
    ASSERT_EQ(scripted.popups.size(), 2u);
    EXPECT_EQ(scripted.popups[0].menuTitle, QStringLiteral("File"));
    EXPECT_EQ(scripted.popups[1].menuTitle, QStringLiteral("Remove"));
    EXPECT_EQ(scripted.popups[1].globalPos, QPoint(321, 234));
    EXPECT_TRUE(window.picSetting->isHidden());
}

TEST_F(MenusDriveCommands, EveryOtherItemReachesItsCommand)
{
    scripted.menuChoices = {QStringLiteral("Add New(A)"), QStringLiteral("Settings(S)"),
                            QStringLiteral("Help(H)"), QStringLiteral("About(A)")};
    window.imgMenu_MouseDown(0, 1, 0, 0, 0);
    EXPECT_EQ(scripted.fileDialogs.size(), 1u);
    window.imgMenu_MouseDown(2, 1, 0, 0, 0);
    EXPECT_FALSE(window.picSetting->isHidden());
    window.imgMenu_MouseDown(3, 1, 0, 0, 0);
    EXPECT_EQ(scripted.shellOpened.size(), 1u);
    const size_t before = scripted.messages.size(); // Add's own, for the cancelled source
    window.imgMenu_MouseDown(3, 1, 0, 0, 0);
    ASSERT_EQ(scripted.messages.size(), before + 1);
    EXPECT_EQ(scripted.messages.back().title, QStringLiteral("About"));
    EXPECT_EQ(window.menuMsg->text(), QStringLiteral("a4")) << "Add, Settings, Help; About sends nothing";
}

TEST_F(MenusDriveCommands, ClosingAMenuWithoutAChoiceSendsNothing)
{
    for (int i = 0; i < 4; ++i)
        window.imgMenu_MouseDown(qint16(i), 1, 0, 0, 0);
    EXPECT_EQ(scripted.popups.size(), 4u);
    EXPECT_EQ(window.menuMsg->text(), QStringLiteral("b0"));
    EXPECT_EQ(scripted.doEventsCalls, 0) << "the dispatcher never ran";
}

// Pops up real menus and plays the user's keys into each of them in turn.
class KeyedMenus : public ScriptedPlatform {
public:
    std::deque<std::vector<int>> keys; // per popup; none: Escape
    std::vector<QPoint> openedAt;

    void popupMenu(QMenu *menu, const QPoint &globalPos) override
    {
        popups.push_back({menu->title(), itemCaptions(menu), globalPos});
        std::vector<int> toType{Qt::Key_Escape};
        if (!keys.empty()) {
            toType = keys.front();
            keys.pop_front();
        }
        auto *poll = new QTimer;
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, [this, poll, menu, toType] {
            if (QApplication::activePopupWidget() != menu)
                return;
            poll->stop();
            poll->deleteLater();
            openedAt.push_back(menu->geometry().topLeft());
            for (int key : toType)
                QTest::keyClick(menu, Qt::Key(key));
        });
        poll->start();
        QtDesktop::popupMenu(menu, globalPos);
    }
};

class RealMenus : public ::testing::Test {
protected:
    KeyedMenus keyed;
    frmMain window;

    void SetUp() override
    {
        ASSERT_TRUE(window.Form_Load());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { Module1::MenuButtonDown = false; }
};

TEST_F(RealMenus, AccessKeysChooseItemsAndEscapeClosesWithoutAChoice)
{
    keyed.keys = {{Qt::Key_Escape}, {Qt::Key_H}, {Qt::Key_A}, {Qt::Key_S}, {Qt::Key_E}};
    window.imgMenu_MouseDown(1, 1, 0, 0, 0);
    EXPECT_TRUE(keyed.messages.empty()) << "Escape sent nothing";
    EXPECT_EQ(window.menuMsg->text(), QStringLiteral("b0"));
    window.imgMenu_MouseDown(3, 1, 0, 0, 0);
    EXPECT_EQ(keyed.shellOpened.size(), 1u);
    window.imgMenu_MouseDown(3, 1, 0, 0, 0);
    ASSERT_EQ(keyed.messages.size(), 1u);
    EXPECT_EQ(keyed.messages[0].title, QStringLiteral("About"));
    window.imgMenu_MouseDown(2, 1, 0, 0, 0);
    EXPECT_FALSE(window.picSetting->isHidden());
    window.imgMenu_MouseDown(0, 1, 0, 0, 0);
    EXPECT_EQ(keyed.endProgramCalls, 1);

    ASSERT_EQ(keyed.openedAt.size(), 5u);
    EXPECT_EQ(keyed.openedAt[0], window.mapToGlobal(QPoint(62, 47))) << "below the Convert title";
    EXPECT_EQ(keyed.openedAt[4], window.mapToGlobal(QPoint(16, 47))) << "below the File title";
    EXPECT_EQ(window.menuMsg->text(), QStringLiteral("a5")) << "Help a4, Settings b3, Exit a5";
}

TEST_F(RealMenus, RemoveFromTheFileMenuOpensTheRemoveMenuWhoseItemsWork)
{
    for (const char *path : {"/clips/a.flv", "/clips/b.flv", "/clips/c.flv"})
        window.LV->AppendRow(QString::fromLatin1(path));
    window.LV->show();
    window.LV->setCurrentItem(window.LV->topLevelItem(1));
    keyed.pointer = window.mapToGlobal(QPoint(300, 200));
    // File menu: R; Remove menu: first item with Down and Return.
    keyed.keys = {{Qt::Key_R}, {Qt::Key_Down, Qt::Key_Return}};
    window.imgMenu_MouseDown(0, 1, 0, 0, 0);
    ASSERT_EQ(keyed.popups.size(), 2u);
    EXPECT_EQ(keyed.popups[1].menuTitle, QStringLiteral("Remove"));
    ASSERT_EQ(keyed.openedAt.size(), 2u);
    EXPECT_EQ(keyed.openedAt[1], keyed.pointer);
    ASSERT_EQ(window.LV->RowCount(), 2);
    EXPECT_EQ(window.LV->RowText(1).value(), QStringLiteral("/clips/a.flv"));
    EXPECT_EQ(window.LV->RowText(2).value(), QStringLiteral("/clips/c.flv"));
}

} // namespace

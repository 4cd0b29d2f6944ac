// The main window as it is built: every control at its place, the window's
// own properties, and which control covers which.

#include "jobs/BusyCell.h"
#include "jobs/FileListView.h"
#include "jobs/SettingsPanel.h"
#include "support/ScriptedPlatform.h"
#include "window/ImageArea.h"
#include "window/frmMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

namespace {

struct Expected {
    std::string name;
    QWidget *control;
    QRect pixels;
    bool shownAtOpen;
};

} // namespace

TEST(MainWindowLayout, EveryControlLiesAtItsPlaceAndShowsAsTheWindowOpens)
{
    ScriptedPlatform platform;
    frmMain window;

    // Twips from the layout table, turned into pixels by hand: (t + 7) / 15.
    std::vector<Expected> table = {
        {"lstShell", window.lstShell, QRect(500, 42, 75, 46), false},
        {"menuMsg", window.menuMsg, QRect(458, 102, 121, 21), false},
        {"picSetting", window.picSetting, QRect(14, 130, 569, 319), false},
        {"LV", window.LV, QRect(14, 130, 569, 317), false},
        {"lblFileNo", window.lblFileNo, QRect(457, 350, 64, 14), false},
        {"lblConverting", window.lblConverting, QRect(456, 318, 71, 14), false},
        {"imgExit", window.imgExit, QRect(576, 10, 11, 13), true},
        {"imgMenu0", window.imgMenu[0], QRect(16, 31, 41, 16), true},
        {"imgMenu1", window.imgMenu[1], QRect(62, 31, 69, 16), true},
        {"imgMenu2", window.imgMenu[2], QRect(135, 31, 62, 16), true},
        {"imgMenu3", window.imgMenu[3], QRect(204, 31, 56, 16), true},
        {"imgButton0", window.imgButton[0], QRect(12, 52, 60, 72), true},
        {"imgButton1", window.imgButton[1], QRect(83, 52, 60, 72), true},
        {"imgButton2", window.imgButton[2], QRect(152, 53, 60, 72), true},
        {"imgButton3", window.imgButton[3], QRect(222, 52, 60, 72), true},
        {"imgButton4", window.imgButton[4], QRect(289, 52, 60, 72), true},
        {"imgButton5", window.imgButton[5], QRect(354, 52, 60, 72), true},
    };
    for (int i = 0; i < 10; ++i)
        table.push_back({"SP" + std::to_string(i), window.SP[i], QRect(410 + 16 * i, 388, 15, 15), false});

    for (const Expected &e : table) {
        SCOPED_TRACE(e.name);
        ASSERT_NE(e.control, nullptr);
        EXPECT_EQ(e.control->parentWidget(), &window);
        EXPECT_EQ(e.control->geometry(), e.pixels);
        EXPECT_EQ(!e.control->isHidden(), e.shownAtOpen);
    }

    EXPECT_EQ(window.lblFileNo->text(), QStringLiteral("0 file(s) left"));
    EXPECT_EQ(window.lblConverting->text(), QStringLiteral("Converting..."));
    EXPECT_EQ(window.menuMsg->text(), QStringLiteral("b0"));
    EXPECT_EQ(window.imgExit->toolTip(), QStringLiteral("Exit"));
    for (ImageArea *area : window.imgButton)
        EXPECT_FALSE(area->hasPicture());
    for (ImageArea *area : window.imgMenu)
        EXPECT_FALSE(area->hasPicture());
}

TEST(MainWindowLayout, WindowIsFramelessFixedAndNamed)
{
    ScriptedPlatform platform;
    frmMain window;
    EXPECT_EQ(window.size(), QSize(598, 488));
    EXPECT_EQ(window.minimumSize(), QSize(598, 488));
    EXPECT_EQ(window.maximumSize(), QSize(598, 488));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Morvane Converter"));
    EXPECT_EQ(window.skinPicture().size(), QSize(600, 490));
    const QList<QSize> iconSizes = window.windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(48, 48)));
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
}

TEST(MainWindowLayout, OnlyTheExitImageOfTheWindowShowsTheHandCursor)
{
    ScriptedPlatform platform;
    frmMain window;
    EXPECT_EQ(window.imgExit->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window.imgExit->cursor().hotSpot(), QPoint(6, 0));
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    for (ImageArea *area : window.imgButton)
        EXPECT_EQ(area->cursor().shape(), Qt::ArrowCursor);
    for (ImageArea *area : window.imgMenu)
        EXPECT_EQ(area->cursor().shape(), Qt::ArrowCursor);
}

TEST(MainWindowLayout, PanelCoversListAndListCoversRunLabelsAndCells)
{
    ScriptedPlatform platform;
    frmMain window;
    const QPoint label = window.lblConverting->geometry().center();
    const QPoint cell = window.SP[9]->geometry().center();
    window.lblConverting->show();
    window.SP[9]->show();

    EXPECT_EQ(window.childAt(label), window.lblConverting);
    EXPECT_EQ(window.childAt(cell), window.SP[9]);

    window.LV->show();
    for (QPoint p : {label, cell}) {
        QWidget *top = window.childAt(p);
        EXPECT_TRUE(top == window.LV || window.LV->isAncestorOf(top));
    }

    window.picSetting->show();
    for (QPoint p : {label, cell, QPoint(20, 448)}) { // the panel reaches 2 pixels lower than the list
        QWidget *top = window.childAt(p);
        EXPECT_TRUE(top == window.picSetting || window.picSetting->isAncestorOf(top))
            << p.x() << "," << p.y();
    }
}

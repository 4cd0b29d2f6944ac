// The settings panel: its twelve boxes, layout, links and who shows or hides it.

#define QTEST_QPA_MOUSE_HANDLING
#include <QtTest>

#include "jobs/FileListView.h"
#include "jobs/LinkLabel.h"
#include "jobs/SettingsPanel.h"
#include "jobs/core/SettingsChoices.h"
#include "support/ScriptedPlatform.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

const QStringList Rates = {"14.985", "23.975", "25.0", "29.97"};
const QStringList Sizes = {"128x96",  "160x120", "176x144", "320x180", "320x240", "352x288",
                           "640x272", "480x480", "640x360", "640x480", "720x306", "720x320"};
const QStringList Mp4Sizes = {"320x240", "352x288", "640x272", "480x480",
                              "640x360", "640x480", "720x306", "720x320"};
const QStringList VideoRates = {"40",  "80",  "120", "128", "256", "384",  "512",
                                "600", "640", "768", "800", "900", "1000", "1500"};
const QStringList AudioRates = {"4.75k", "5.15k", "5.9k", "6.7k", "7.4k", "7.95k", "10.2k", "12.2k"};

struct Expected {
    const char *box;
    QStringList choices;
    const char *byDefault;
};

// In the order the defaults are written.
const std::vector<Expected> Settings = {
    {"cmbFPSAVI", Rates, "25.0"},     {"cmbSizeAVI", Sizes, "320x240"},    {"cmbFPSWMV", Rates, "25.0"},
    {"cmbSizeWMV", Sizes, "320x240"}, {"cmbSizeMOV", Sizes, "320x240"},    {"cmbVBRMP4", VideoRates, "512"},
    {"cmbFPSMP4", Rates, "25.0"},     {"cmbSizeMP4", Mp4Sizes, "480x480"}, {"cmbVBR3GP", VideoRates, "120"},
    {"cmbFPS3GP", Rates, "14.985"},   {"cmbSize3GP", Sizes, "176x144"},    {"cmbAB3GP", AudioRates, "4.75k"},
};

QComboBox *box(SettingsPanel *panel, const char *name)
{
    return panel->findChild<QComboBox *>(QString::fromLatin1(name));
}

void expectDefaults(SettingsPanel *panel)
{
    for (const Expected &e : Settings)
        EXPECT_EQ(box(panel, e.box)->currentText(), QString::fromLatin1(e.byDefault)) << e.box;
}

void setAll(SettingsPanel *panel, const QString &text)
{
    for (const Expected &e : Settings)
        box(panel, e.box)->setEditText(text);
}

class SettingsPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<frmMain>();
        ASSERT_TRUE(window->Form_Load());
        panel = window->picSetting;
    }

    // Shown and exposed, for real pointer moves.
    QWindow *shownWindow()
    {
        window->move(40, 40);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window->windowHandle();
    }

    void moveTo(QWidget *over, QPoint local)
    {
        QTest::mouseMove(window->windowHandle(), over->mapTo(window.get(), local));
        QCoreApplication::processEvents();
    }

    QColor colour(LinkLabel *link) { return link->textColour(); }

    ScriptedPlatform scripted;
    std::unique_ptr<frmMain> window;
    SettingsPanel *panel = nullptr;
};

TEST_F(SettingsPanelTest, BoxesOfferTheFixedListsAndStartAtTheDefaults)
{
    ASSERT_EQ(SettingsChoices::settings().size(), Settings.size());
    for (size_t i = 0; i < Settings.size(); ++i) {
        const Expected &e = Settings[i];
        SCOPED_TRACE(e.box);
        EXPECT_EQ(SettingsChoices::settings()[i].box, QString::fromLatin1(e.box));
        EXPECT_TRUE(e.choices.contains(QString::fromLatin1(e.byDefault)));
        QComboBox *b = box(panel, e.box);
        ASSERT_NE(b, nullptr);
        QStringList items;
        for (int k = 0; k < b->count(); ++k)
            items << b->itemText(k);
        EXPECT_EQ(items, e.choices);
        EXPECT_TRUE(b->isEditable());
        EXPECT_EQ(b->insertPolicy(), QComboBox::NoInsert);
        EXPECT_TRUE(b->isEnabled());
        EXPECT_EQ(b->currentText(), QString::fromLatin1(e.byDefault));
    }
    // The members are the named boxes.
    EXPECT_EQ(panel->cmbFPSAVI, box(panel, "cmbFPSAVI"));
    EXPECT_EQ(panel->cmbAB3GP, box(panel, "cmbAB3GP"));
    EXPECT_TRUE(panel->isHidden());
    window->SettingsCommand();
    EXPECT_TRUE(panel->isVisibleTo(window.get()));
    expectDefaults(panel);
}

TEST_F(SettingsPanelTest, ResetWritesTheTwelveInTableOrderAndLeavesLooksAlone)
{
    setAll(panel, "x");
    QStringList order;
    for (const Expected &e : Settings) {
        QComboBox *b = box(panel, e.box);
        QObject::connect(b, &QComboBox::editTextChanged, panel, [&order, b] {
            if (!order.contains(b->objectName()))
                order << b->objectName();
        });
    }
    panel->lblDefault->setTextColour(QColor(0, 0, 255));
    panel->ResetSettings();
    QStringList names;
    for (const Expected &e : Settings)
        names << QString::fromLatin1(e.box);
    EXPECT_EQ(order, names);
    expectDefaults(panel);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(panel->lblDefault->textColour(), QColor(0, 0, 255));
    // A default that is an item is picked, so the list opens on it.
    EXPECT_EQ(panel->cmbSizeMP4->currentIndex(), 3);
}

TEST_F(SettingsPanelTest, OkKeepsTheTextsCancelAndDefaultBringBackTheDefaults)
{
    window->SettingsCommand();
    panel->cmbSizeAVI->setEditText("640x480");
    panel->lblOk_Click();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(panel->cmbSizeAVI->currentText(), "640x480");

    window->SettingsCommand();
    EXPECT_EQ(panel->cmbSizeAVI->currentText(), "640x480");
    panel->cmbSizeAVI->setEditText("720x320");
    panel->cmbAB3GP->setEditText("12.2k");
    panel->lblCancel_Click();
    EXPECT_TRUE(panel->isHidden());
    expectDefaults(panel);

    window->SettingsCommand();
    setAll(panel, "1");
    panel->lblDefault_Click();
    EXPECT_TRUE(panel->isVisibleTo(window.get()));
    expectDefaults(panel);
}

TEST_F(SettingsPanelTest, TypedTextIsTheSettingUnvalidatedAndNeverAddsItems)
{
    shownWindow();
    window->SettingsCommand();
    QLineEdit *edit = panel->cmbSizeAVI->lineEdit();
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, "  999x111 ");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(panel->cmbSizeAVI->currentText(), "  999x111 ");
    EXPECT_EQ(SettingsPanel::SettingPiece(panel->cmbSizeAVI), "999x111");
    EXPECT_EQ(panel->cmbSizeAVI->count(), 12);

    edit = panel->cmbVBRMP4->lineEdit();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(SettingsPanel::SettingPiece(panel->cmbVBRMP4), "");
    EXPECT_EQ(panel->cmbVBRMP4->count(), 14);

    // Typing is taken as typed: no completion, no case folding onto an item.
    edit = panel->cmbAB3GP->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "12.2K");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(panel->cmbAB3GP->currentText(), "12.2K");
    edit = panel->cmbSizeMOV->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "64");
    EXPECT_EQ(panel->cmbSizeMOV->currentText(), "64");

    // Picking an item is the same as typing it.
    panel->cmbFPS3GP->setCurrentIndex(3);
    EXPECT_EQ(SettingsPanel::SettingPiece(panel->cmbFPS3GP), "29.97");
}

struct Place {
    const char *name;
    const char *caption; // nullptr for a box
    int left, top, width, height;
    enum Font { Title, Plain, Link } font;
};

const Place Layout[] = {
    {"Label2", "AVI Settings:", 90, 30, 1230, 210, Place::Title},
    {"Label4", "Frame Rate (FPS):", 90, 210, 1500, 210, Place::Plain},
    {"Label3", "Screen Size (Width x Height):", 2640, 210, 2460, 210, Place::Plain},
    {"cmbFPSAVI", nullptr, 60, 450, 2415, 330, Place::Plain},
    {"cmbSizeAVI", nullptr, 2610, 450, 2595, 330, Place::Plain},
    {"Label6", "WMV Settings:", 90, 870, 1365, 210, Place::Title},
    {"Label7", "Frame Rate (FPS):", 90, 1050, 1500, 210, Place::Plain},
    {"Label8", "Screen Size (Width x Height):", 2640, 1050, 2460, 210, Place::Plain},
    {"cmbFPSWMV", nullptr, 60, 1290, 2415, 330, Place::Plain},
    {"cmbSizeWMV", nullptr, 2610, 1290, 2595, 330, Place::Plain},
    {"Label9", "MOV Settings:", 90, 1710, 1320, 210, Place::Title},
    {"Label10", "Screen Size (W x H):", 90, 1890, 1725, 210, Place::Plain},
    {"cmbSizeMOV", nullptr, 60, 2130, 2415, 330, Place::Plain},
    {"Label11", "MP4 Settings:", 90, 2580, 1305, 210, Place::Title},
    {"Label1", "Video Bitrate (Kbps):", 90, 2790, 1725, 210, Place::Plain},
    {"Label12", "Frame Rate (FPS):", 2640, 2790, 1500, 210, Place::Plain},
    {"Label13", "Screen Size (Width x Height):", 5400, 2790, 2460, 210, Place::Plain},
    {"cmbVBRMP4", nullptr, 60, 3030, 2415, 330, Place::Plain},
    {"cmbFPSMP4", nullptr, 2610, 3030, 2595, 330, Place::Plain},
    {"cmbSizeMP4", nullptr, 5370, 3030, 2985, 330, Place::Plain},
    {"Label15", "3GP Settings:", 90, 3450, 1260, 210, Place::Title},
    {"Label5", "Audio Bitrate (Kbps):", 6360, 3630, 1725, 210, Place::Plain},
    {"Label14", "Video Bitrate (Kbps):", 90, 3660, 1725, 210, Place::Plain},
    {"Label16", "Frame Rate (FPS):", 1980, 3660, 1500, 210, Place::Plain},
    {"Label17", "Screen Size (Width x Height):", 3660, 3660, 2460, 210, Place::Plain},
    {"cmbVBR3GP", nullptr, 60, 3900, 1785, 330, Place::Plain},
    {"cmbFPS3GP", nullptr, 1950, 3900, 1575, 330, Place::Plain},
    {"cmbSize3GP", nullptr, 3630, 3900, 2595, 330, Place::Plain},
    {"cmbAB3GP", nullptr, 6330, 3900, 2025, 330, Place::Plain},
    {"lblDefault", "Default", 6090, 4440, 675, 210, Place::Link},
    {"lblOk", "OK", 7110, 4440, 255, 210, Place::Link},
    {"lblCancel", "Cancel", 7695, 4440, 585, 210, Place::Link},
};

TEST_F(SettingsPanelTest, ControlsStandWhereTheLayoutPutsThemInItsFonts)
{
    EXPECT_EQ(panel->geometry(), QRect(twips(210), twips(1950), twips(8535), twips(4785)));
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_TRUE(panel->autoFillBackground());
    // Above the file list.
    const QObjectList &siblings = window->children();
    EXPECT_GT(siblings.indexOf(panel), siblings.indexOf(static_cast<QObject *>(window->LV)));

    const QList<QWidget *> children = panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_EQ(children.size(), 32); // twelve boxes, seventeen captions, three links
    for (const Place &p : Layout) {
        SCOPED_TRACE(p.name);
        auto *w = panel->findChild<QWidget *>(QString::fromLatin1(p.name), Qt::FindDirectChildrenOnly);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), QRect(twips(p.left), twips(p.top), twips(p.width), twips(p.height)));
        const QFont f = w->font();
        EXPECT_EQ(f.family(), "Tahoma");
        EXPECT_EQ(f.pixelSize(), 12); // 9 pt at 15 twips a pixel
        EXPECT_EQ(f.bold(), p.font != Place::Plain);
        EXPECT_EQ(f.underline(), p.font == Place::Link);
        EXPECT_EQ(QFontInfo(f).bold(), p.font != Place::Plain);
        if (p.caption) {
            auto *label = qobject_cast<QLabel *>(w);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), QString::fromLatin1(p.caption));
            if (p.font != Place::Link) {
                EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
            }
        }
    }
    for (int n = 1; n <= 17; ++n)
        EXPECT_EQ(panel->Label[n], panel->findChild<QLabel *>(QStringLiteral("Label%1").arg(n))) << n;
    for (LinkLabel *link : {panel->lblDefault, panel->lblOk, panel->lblCancel}) {
        EXPECT_EQ(link->focusPolicy(), Qt::NoFocus);
        const Qt::CursorShape shape = link->cursor().shape();
        EXPECT_TRUE(shape == Qt::PointingHandCursor || shape == Qt::BitmapCursor);
    }
}

TEST_F(SettingsPanelTest, LinksTurnBlueUnderThePointerAndBlackOverThePanel)
{
    const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
    const QColor blue(0, 0, 255), black(0, 0, 0);
    shownWindow();
    window->SettingsCommand();
    QCoreApplication::processEvents();
    for (LinkLabel *link : {panel->lblDefault, panel->lblOk, panel->lblCancel})
        EXPECT_EQ(colour(link), buttonText);

    // From "Default" to "OK", crossing the panel between them.
    moveTo(panel->lblDefault, panel->lblDefault->rect().center());
    EXPECT_EQ(colour(panel->lblDefault), blue);
    EXPECT_EQ(colour(panel->lblOk), buttonText);
    const int gapX = (panel->lblDefault->geometry().right() + panel->lblOk->geometry().left()) / 2;
    moveTo(panel, QPoint(gapX, panel->lblOk->geometry().center().y()));
    EXPECT_EQ(colour(panel->lblDefault), black);
    EXPECT_EQ(colour(panel->lblOk), black);
    EXPECT_EQ(colour(panel->lblCancel), black);
    moveTo(panel->lblOk, panel->lblOk->rect().center());
    EXPECT_EQ(colour(panel->lblOk), blue);
    EXPECT_EQ(colour(panel->lblDefault), black);
    EXPECT_EQ(colour(panel->lblCancel), black);

    // No leave handling: a move onto a caption or a box changes nothing.
    moveTo(panel->Label[5], panel->Label[5]->rect().center());
    moveTo(panel->cmbAB3GP, panel->cmbAB3GP->rect().center());
    EXPECT_EQ(colour(panel->lblOk), blue);

    // A link still blue when OK hid the panel is blue when it shows again...
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      panel->lblOk->mapTo(window.get(), panel->lblOk->rect().center()));
    EXPECT_TRUE(panel->isHidden());
    window->SettingsCommand();
    EXPECT_EQ(colour(panel->lblOk), blue);
    // ... until the pointer moves over the bare window.
    window->picSetting->hide();
    moveTo(window.get(), QPoint(300, 200));
    EXPECT_EQ(colour(panel->lblOk), black);
}

TEST_F(SettingsPanelTest, ClicksOnTheLinksActAsTheirHandlers)
{
    shownWindow();
    auto click = [this](LinkLabel *link) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          link->mapTo(window.get(), link->rect().center()));
        QCoreApplication::processEvents();
    };
    window->SettingsCommand();
    setAll(panel, "7");
    click(panel->lblDefault);
    EXPECT_TRUE(panel->isVisibleTo(window.get()));
    expectDefaults(panel);

    panel->cmbSizeMOV->setEditText("640x480");
    click(panel->lblOk);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(panel->cmbSizeMOV->currentText(), "640x480");

    window->SettingsCommand();
    click(panel->lblCancel);
    EXPECT_TRUE(panel->isHidden());
    expectDefaults(panel);

    // A right click is no click.
    window->SettingsCommand();
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      panel->lblOk->mapTo(window.get(), panel->lblOk->rect().center()));
    EXPECT_TRUE(panel->isVisibleTo(window.get()));
}

TEST_F(SettingsPanelTest, OnlySettingsShowsThePanelAddRemoveConvertHideIt)
{
    struct Case {
        int command;
        bool visibleAfterFromShown;
    };
    const Case cases[] = {{0, false}, {1, false}, {2, false}, {3, true}, {4, true}, {5, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command);
        for (bool shownBefore : {true, false}) {
            panel->setVisible(shownBefore);
            panel->cmbSizeWMV->setEditText("640x360");
            window->imgButton_MouseUp(qint16(c.command), 1, 0, 0, 0);
            const bool expected = c.command == 3 || (shownBefore && c.visibleAfterFromShown);
            EXPECT_EQ(panel->isVisibleTo(window.get()), expected) << "shown before: " << shownBefore;
            // No command reads, resets or remembers the settings.
            EXPECT_EQ(panel->cmbSizeWMV->currentText(), "640x360");
        }
    }
    EXPECT_EQ(scripted.endProgramCalls, 2);
}

} // namespace

// Under a real X server, bare or with a window manager: key-coloured pixels
// are see-through and let clicks reach the window beneath; every other pixel,
// one step off included, is drawn and takes the click.

#include "platform/ColourKeyWindow.h"
#include "support/BeneathWindow.h"
#include "support/Missing.h"
#include "support/RealInput.h"
#include "support/ScriptedPlatform.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor BeneathColour = BeneathWindow::Colour;

// Counts the presses that land anywhere in one top-level window.
class PressCounter : public QObject {
public:
    explicit PressCounter(QWidget *window) : window_(window) { qApp->installEventFilter(this); }
    ~PressCounter() override { qApp->removeEventFilter(this); }
    int presses = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == window_)
            ++presses;
        return false;
    }

private:
    QWidget *window_;
};

// A window that draws a picture and is keyed by it.
class Keyed : public QWidget {
public:
    explicit Keyed(const QImage &picture) : picture_(picture)
    {
        resize(picture.size());
        ColourKeyWindow::apply(this, picture, qRgb(255, 0, 255));
    }
    int presses = 0;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, picture_); }
    void mousePressEvent(QMouseEvent *event) override
    {
        event->accept();
        ++presses;
    }

private:
    QImage picture_;
};

// A real click through the X server, where the pointer is. The next one
// waits out the double-click time: Qt takes two quick presses at one place
// as a double click even across windows, and then drops the second press.
void clickAt(const QPoint &global)
{
    ASSERT_TRUE(RealInput::click(1, global));
    QTest::qWait(QApplication::doubleClickInterval() + 50);
}

QColor screenColourAt(const QPoint &global)
{
    QCoreApplication::processEvents();
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, global.x(), global.y(), 1, 1);
    return shot.toImage().pixelColor(0, 0);
}

void showAndWait(QWidget *w, const QPoint &at)
{
    w->move(at);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    w->raise();
    QTest::qWait(200);
}

class ColourKeyX : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RealInput::haveXdotool())
            SKIP_OR_FAIL_MISSING("xdotool is not installed: no real clicks");
        showAndWait(&beneath, QPoint(0, 0));
    }
    BeneathWindow beneath{QRect(0, 0, 900, 760)};
};

TEST_F(ColourKeyX, KeyPixelsAreSeeThroughAndClickThroughOneStepOffIsNot)
{
    // Three bands: the key, one step off it, and white.
    QImage picture(90, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            picture.setPixel(x, y, x < 30 ? qRgb(255, 0, 255) : qRgb(254, 0, 255));
    Keyed keyed(picture);
    showAndWait(&keyed, QPoint(200, 200));
    const QPoint origin = keyed.mapToGlobal(QPoint(0, 0));

    EXPECT_EQ(screenColourAt(origin + QPoint(15, 20)), BeneathColour);
    EXPECT_EQ(screenColourAt(origin + QPoint(45, 20)), QColor(254, 0, 255));
    EXPECT_EQ(screenColourAt(origin + QPoint(75, 20)), QColor(255, 255, 255));

    clickAt(origin + QPoint(15, 20));
    EXPECT_EQ(int(beneath.presses.size()), 1);
    EXPECT_EQ(keyed.presses, 0);
    clickAt(origin + QPoint(45, 20));
    EXPECT_EQ(keyed.presses, 1);
    clickAt(origin + QPoint(30, 20)); // the first pixel off the key
    EXPECT_EQ(keyed.presses, 2);
    clickAt(origin + QPoint(75, 20));
    EXPECT_EQ(keyed.presses, 3);
    EXPECT_EQ(int(beneath.presses.size()), 1);
}

TEST_F(ColourKeyX, MainWindowMarginLetsClicksThroughItsBodyTakesThem)
{
    ScriptedPlatform scripted;
    frmMain window;
    ASSERT_TRUE(window.Form_Load());
    showAndWait(&window, QPoint(120, 100));
    PressCounter onWindow(&window);

    // On the middle row, the last key pixel of the left margin and the first of the body.
    const QImage picture = window.skinPicture();
    const int y = picture.height() / 2;
    int edge = -1;
    for (int x = 0; x + 1 < picture.width(); ++x) {
        if ((picture.pixel(x, y) & 0xffffff) == 0xff00ff
            && (picture.pixel(x + 1, y) & 0xffffff) != 0xff00ff) {
            edge = x;
            break;
        }
    }
    ASSERT_GE(edge, 0) << "no key-coloured margin on the middle row";
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));

    EXPECT_EQ(screenColourAt(origin + QPoint(edge, y)), BeneathColour);
    clickAt(origin + QPoint(edge, y));
    EXPECT_EQ(int(beneath.presses.size()), 1);
    EXPECT_EQ(onWindow.presses, 0);
    clickAt(origin + QPoint(edge + 1, y));
    EXPECT_EQ(onWindow.presses, 1);
    EXPECT_EQ(int(beneath.presses.size()), 1);
    EXPECT_NE(screenColourAt(origin + QPoint(edge + 1, y)), BeneathColour);
}

} // namespace

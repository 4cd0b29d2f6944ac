// Real X input on the colour-keyed window: the see-through margin and corner
// cuts pass presses to the window beneath; the body's edge drags the window.

#include "support/ScriptedPlatform.h"
#include "window/frmMain.h"

#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Stands beneath the main window and notes where it was pressed.
class Beneath : public QWidget {
public:
    std::vector<QPoint> presses;

protected:
    void mousePressEvent(QMouseEvent *event) override { presses.push_back(event->globalPosition().toPoint()); }
};

class RealPointer : public ::testing::Test {
protected:
    void SetUp() override
    {
        xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        if (xdotool.isEmpty())
            GTEST_SKIP() << "xdotool is not installed";
        beneath.setGeometry(0, 0, 900, 700);
        beneath.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&beneath));
        ASSERT_TRUE(window.Form_Load());
        window.move(100, 100);
        window.show();
        window.raise();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(100);
    }

    // Press at a point of the window (window coordinates), move by `by`, release.
    void drag(int button, QPoint at, QPoint by)
    {
        const QPoint from = window.pos() + at, mid = from + by / 2, to = from + by;
        const QString b = QString::number(button);
        auto n = [](int v) { return QString::number(v); };
        const QStringList arguments = {"mousemove", n(from.x()), n(from.y()), "mousedown", b, "sleep", "0.05",
                                       "mousemove", n(mid.x()),  n(mid.y()),  "sleep",     "0.05",
                                       "mousemove", n(to.x()),   n(to.y()),   "mouseup",   b};
        ASSERT_EQ(QProcess::execute(xdotool, arguments), 0);
        QTest::qWait(150);
    }

    QString xdotool;
    ScriptedPlatform platform;
    Beneath beneath;
    frmMain window;
};

} // namespace

TEST_F(RealPointer, PressesOnTheMarginAndCornerCutsReachTheWindowBeneath)
{
    const QPoint points[] = {{1, 200}, {3, 3}, {596, 300}, {300, 0}, {300, 487},   // margin
                             {4, 4},   {5, 4}, {4, 5},     {593, 4}, {592, 4},  {593, 5},
                             {4, 483}, {5, 483}, {4, 482}, {593, 483}, {592, 483}, {593, 482}};   // cuts
    for (QPoint at : points) {
        SCOPED_TRACE(std::to_string(at.x()) + "," + std::to_string(at.y()));
        const QPoint before = window.pos();
        const size_t pressesBefore = beneath.presses.size();
        drag(1, at, QPoint(30, 20));
        EXPECT_EQ(window.pos(), before);
        ASSERT_EQ(beneath.presses.size(), pressesBefore + 1);
        EXPECT_EQ(beneath.presses.back(), before + at);
    }
}

TEST_F(RealPointer, AnyButtonOnTheBodysOutermostPixelsDragsTheWindow)
{
    struct Case {
        int button;
        QPoint at;
    };
    const Case cases[] = {{1, {6, 4}}, {3, {4, 6}}, {2, {593, 300}}, {1, {300, 483}}};
    for (const Case &c : cases) {
        SCOPED_TRACE("button " + std::to_string(c.button) + " at " + std::to_string(c.at.x()) + "," +
                     std::to_string(c.at.y()));
        const QPoint before = window.pos();
        drag(c.button, c.at, QPoint(36, 22));
        EXPECT_EQ(window.pos(), before + QPoint(36, 22));
    }
    EXPECT_TRUE(beneath.presses.empty());
}

#pragma once
// Real X input for the *_xtest programs: xdotool plays the user while this
// program keeps handling its events, as a running program would. A blocking
// run would let xdotool finish a whole press-move-release before the program
// saw the press, which no user can do.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

namespace RealInput {

inline bool haveXdotool() { return !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(); }

// True when a window manager runs on this display (with-xvfb started one).
inline bool underWindowManager() { return !qEnvironmentVariableIsEmpty("MORVANE_XTEST_WM"); }

// Runs xdotool with these arguments, handling events until it has ended
// and for a short while after, so that the last events have arrived.
inline bool xdotool(const QStringList &arguments, int settleMs = 150)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForStarted())
        return false;
    QDeadlineTimer deadline(30000);
    while (tool.state() != QProcess::NotRunning && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (tool.state() != QProcess::NotRunning) {
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    QTest::qWait(settleMs);
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

inline QString number(int v) { return QString::number(v); }

// Press `button` at a global point, move by `by` in two steps, release there.
inline bool drag(int button, QPoint from, QPoint by)
{
    const QPoint mid = from + by / 2, to = from + by;
    const QString b = number(button);
    return xdotool({"mousemove", number(from.x()), number(from.y()), "mousedown", b, "sleep", "0.05",
                    "mousemove", number(mid.x()), number(mid.y()), "sleep", "0.05", "mousemove",
                    number(to.x()), number(to.y()), "sleep", "0.05", "mouseup", b});
}

inline bool click(int button, QPoint at)
{
    return xdotool({"mousemove", number(at.x()), number(at.y()), "click", number(button)});
}

inline bool movePointer(QPoint to) { return xdotool({"mousemove", number(to.x()), number(to.y())}); }

} // namespace RealInput

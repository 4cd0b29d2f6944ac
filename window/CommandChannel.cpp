// The receiving end of the command channel: a menu item writes a prefix
// letter and a command digit into the hidden menuMsg, and the change runs
// the command through the dispatcher before the write returns.

#include "window/frmMain.h"

#include <QLineEdit>

void frmMain::menuMsg_Change()
{
    CalledFromMenu = true;
    const QString text = menuMsg->text();
    if (text.isEmpty())
        return;
    const QChar last = text.back();
    // Only a decimal digit is a command; anything else leaves the flag set
    // until the dispatcher next runs.
    if (last < QLatin1Char('0') || last > QLatin1Char('9'))
        return;
    qint16 Index = qint16(last.unicode() - '0');
    qint16 Button = 0;
    qint16 Shift = 0;
    float X = 1;
    float Y = 1;
    imgButton_MouseUp(Index, Button, Shift, X, Y);
}

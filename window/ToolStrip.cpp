// Hover and pressed looks of the tool buttons and menu titles, and the
// titles' popup menus.

#include "window/frmMain.h"

#include "platform/Desktop.h"
#include "window/ImageArea.h"
#include "window/Module1.h"
#include "window/frmPop.h"

#include <QMenu>

namespace {

// A title's menu opens 10 twips below the title's bottom edge.
constexpr float MenuDrop = 250;

QMenu *titleMenu(int index)
{
    frmPop &pop = frmPopInstance();
    QMenu *const menus[4] = {pop.menuFile, pop.menuTools, pop.menuSettings, pop.menuAbout};
    return menus[index];
}

} // namespace

void frmMain::imgButton_MouseDown(qint16 Index, qint16, qint16, float, float)
{
    for (ImageArea *button : imgButton)
        button->clearPicture();
    if (quint16(Index) <= 5)
        imgButton[Index]->setPicture(imgButtonPush[Index]);
    Module1::MenuButtonDown = true;
}

void frmMain::imgButton_MouseMove(qint16 Index, qint16, qint16, float, float)
{
    if (Module1::MenuButtonDown)
        return;
    for (ImageArea *button : imgButton)
        button->clearPicture();
    if (quint16(Index) <= 5)
        imgButton[Index]->setPicture(imgButtonData[Index]);
}

void frmMain::imgMenu_MouseDown(qint16 Index, qint16, qint16, float, float)
{
    for (ImageArea *title : imgMenu)
        title->clearPicture();
    if (quint16(Index) <= 3)
        imgMenu[Index]->setPicture(imgMenuPush[Index]);
    Module1::MenuButtonDown = true;

    if (quint16(Index) <= 3) {
        const float x = float(MenuLeft[Index]);
        const float y = float(MenuTop) + MenuDrop;
        const QPoint corner(twips(int(x)), twips(int(y)));
        // Modal: a chosen command, a whole conversion run included, has run
        // to its end when this returns.
        desktop().popupMenu(titleMenu(Index), mapToGlobal(corner));
        if (Index == 0) {
            activateWindow();
            setFocus(Qt::OtherFocusReason);
        }
    }
    Module1::MenuButtonDown = false;
}

void frmMain::imgMenu_MouseMove(qint16 Index, qint16, qint16, float, float)
{
    if (Module1::MenuButtonDown)
        return;
    for (ImageArea *title : imgMenu)
        title->clearPicture();
    if (quint16(Index) <= 3)
        imgMenu[Index]->setPicture(imgMenuMove[Index]);
}

void frmMain::imgMenu_MouseUp(qint16 Index, qint16, qint16, float, float)
{
    for (ImageArea *title : imgMenu)
        title->clearPicture();
    if (quint16(Index) <= 3)
        imgMenu[Index]->setPicture(imgMenuMove[Index]);
    desktop().doEvents();
    Module1::MenuButtonDown = false;
}

// The row of ten cells in which a dark one steps along while the run waits.

#include "jobs/BusyCell.h"
#include "window/frmMain.h"

#include <QTimer>

namespace {
const QColor LightCell(147, 189, 255);
const QColor DarkCell(66, 123, 175);
} // namespace

void frmMain::ShowBusyIndicator()
{
    for (BusyCell *cell : SP)
        cell->show();
}

void frmMain::StartBusyTimer()
{
    // Switching on a timer that runs already must not restart its interval,
    // or entries shorter than a tick would never move the indicator.
    if (!Timer1->isActive())
        Timer1->start();
}

void frmMain::HideBusyIndicator()
{
    for (BusyCell *cell : SP)
        cell->hide();
    Timer1->stop();
}

void frmMain::Timer1_Timer()
{
    for (BusyCell *cell : SP)
        cell->setFillColor(LightCell);
    if (BusyStep >= 0 && BusyStep < qint16(SP.size()))
        SP[BusyStep]->setFillColor(DarkCell);
    BusyStep = qint16(BusyStep + 1);
    if (BusyStep == 10)
        BusyStep = 0;
}

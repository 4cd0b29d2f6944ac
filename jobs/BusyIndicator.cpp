#include "window/frmMain.h"

void frmMain::ShowBusyIndicator() {}
void frmMain::StartBusyTimer() {}
void frmMain::HideBusyIndicator() {}
void frmMain::Timer1_Timer() {}

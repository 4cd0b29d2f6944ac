#include "window/frmMain.h"

void frmMain::menuMsg_Change() {}

// Hover and pressed looks of the tool buttons and menu titles. (to be built)

#include "window/frmMain.h"

void frmMain::imgButton_MouseDown(qint16, qint16, qint16, float, float) {}
void frmMain::imgButton_MouseMove(qint16, qint16, qint16, float, float) {}
void frmMain::imgMenu_MouseDown(qint16, qint16, qint16, float, float) {}
void frmMain::imgMenu_MouseMove(qint16, qint16, qint16, float, float) {}
void frmMain::imgMenu_MouseUp(qint16, qint16, qint16, float, float) {}

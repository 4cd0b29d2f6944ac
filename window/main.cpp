#include "platform/EndingSignals.h"
#include "platform/Fonts.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QScreen>

int main(int, char *argv[])
{
    // The program takes nothing from its command line, toolkit options
    // (-platform, -style, -reverse...) included: Qt sees the name alone.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    Fonts::registerTahoma();
    frmMain window;
    if (!window.Form_Load())
        return 0;
    // A signal to end must not leave a transcoder running or a result half-delivered.
    EndingSignals::watch([&window] { window.EndProgram(); });
    if (QScreen *screen = window.screen())
        window.move(screen->geometry().center() - window.rect().center());
    window.show();
    return app.exec();
}

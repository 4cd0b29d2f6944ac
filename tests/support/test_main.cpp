// One QApplication for every test of a program, without a display unless
// one is given, and never with the real user's folders.

#include "platform/Fonts.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir home;
    setenv("HOME", qPrintable(home.path() + "/home"), 1);
    setenv("XDG_CACHE_HOME", qPrintable(home.path() + "/cache"), 1);
    setenv("XDG_CONFIG_HOME", qPrintable(home.path() + "/config"), 1);
    setenv("XDG_DATA_HOME", qPrintable(home.path() + "/data"), 1);
    setenv("XDG_RUNTIME_DIR", qPrintable(home.path()), 1);
    QApplication app(argc, argv);
    Fonts::registerTahoma();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The transcoder the converter starts as conv.exe and conv1.exe: takes the
// legacy ffmpeg-style lines and runs Debian's ffmpeg with what it needs today.

#include "transcoder/Conversion.h"
#include "transcoder/EndingCleanup.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    EndingCleanup::install();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // QProcess needs the event dispatcher an application object brings.
    QCoreApplication application(argc, argv);
    return convert(arguments);
}

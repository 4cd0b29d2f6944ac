#pragma once
// What every benchmark of the conversion run needs: a QApplication without a
// display and with private folders, CPU and wall clocks, and child starts.

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

struct BenchEnvironment {
    QTemporaryDir home;
    BenchEnvironment()
    {
        if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_CACHE_HOME", qPrintable(home.path() + "/cache"), 1);
        setenv("XDG_CONFIG_HOME", qPrintable(home.path() + "/config"), 1);
        setenv("XDG_RUNTIME_DIR", qPrintable(home.path()), 1);
    }
};

// CPU seconds of this process alone (children not counted).
inline double ownCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

inline double secondsOf(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e9; }

// Runs a program to its end; its exit status.
inline int runToEnd(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(-1))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

inline void fail(const char *what)
{
    std::fprintf(stderr, "benchmark failed: %s\n", what);
    std::exit(1);
}

#pragma once
// A main window ready to convert with a stand-in transcoder installed beside
// the program as conv.dll and conv1.dll, its sources and outputs in a folder
// of its own. The tests and the benchmarks each give it their platform.

#include "jobs/FileListView.h"
#include "platform/FileCopy.h"
#include "window/frmMain.h"

#include <QFile>
#include <QTemporaryDir>

template <class Platform> struct ConvertingWindow {
    Platform platform; // first: the window is made on it
    frmMain window;
    QTemporaryDir work;

    QString program() { return platform.programFolder(); }
    QString staging() { return platform.stagingFolder(); }
    QString path(const QString &name) const { return work.path() + QLatin1Char('/') + name; }

    // Start-up as the program does it, then the stand-in as both transcoders.
    bool start(const QString &transcoder)
    {
        return window.Form_Load() && install(transcoder, QStringLiteral("conv.dll"))
               && install(transcoder, QStringLiteral("conv1.dll"));
    }
    bool install(const QString &transcoder, const QString &name)
    {
        return bool(FileCopy::copyToNewFile(transcoder, program() + QLatin1Char('/') + name));
    }

    // A source whose first line tells the stand-in what to do.
    QString source(const QString &name, const QByteArray &contents)
    {
        write(path(name), contents);
        return path(name);
    }
    static void write(const QString &file, const QByteArray &contents)
    {
        QFile f(file);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(contents);
    }

    void addEntry(const QString &sourcePath, const QString &outputPath)
    {
        window.LV->show();
        window.LV->AppendRow(sourcePath);
        window.LV->AddSubItem(window.LV->RowCount(), outputPath);
    }

    // Command 2 through the dispatcher, as the tool button's release runs it.
    void convert() { window.imgButton_MouseUp(2, 1, 0, 0, 0); }
};

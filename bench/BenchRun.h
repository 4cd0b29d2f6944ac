#pragma once
// A main window ready to convert with the stand-in transcoder of the tests
// (fake_transcoder) installed beside the program as conv.dll and conv1.dll;
// sources and outputs in a folder of the benchmark's own.

#include "BenchPlatform.h"
#include "jobs/FileListView.h"
#include "platform/FileCopy.h"
#include "window/frmMain.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

struct BenchRun {
    BenchPlatform platform;
    frmMain window;
    QTemporaryDir work;

    static QString fakeTranscoder() { return QStringLiteral(MORVANE_FAKE_TRANSCODER); }

    QString path(const QString &name) const { return work.path() + QLatin1Char('/') + name; }

    // Start-up as the program does it, then the stand-in as both transcoders.
    bool start()
    {
        if (!window.Form_Load())
            return false;
        for (const char *name : {"conv.dll", "conv1.dll"}) {
            if (!FileCopy::copyToNewFile(fakeTranscoder(),
                                         platform.programFolder() + QLatin1Char('/') + name))
                return false;
        }
        return true;
    }

    // A source whose first line tells the stand-in what to do.
    QString source(const QString &name, const QByteArray &contents)
    {
        QFile f(path(name));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(contents);
        return path(name);
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

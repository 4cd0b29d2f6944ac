#pragma once
// A main window ready to convert with the fake transcoder: its sources and
// outputs in a folder of the test's own, the fake installed beside the
// program as conv.dll and conv1.dll.

#include "jobs/FileListView.h"
#include "jobs/core/RunFiles.h"
#include "platform/FileCopy.h"
#include "support/ScriptedPlatform.h"
#include "window/frmMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <vector>

// The program's folder may be put one level down, to give it blanks.
class FolderPlatform : public ScriptedPlatform {
public:
    QString subFolder;
    QString programFolder() override { return programDir.path() + subFolder; }
};

struct FakeRun {
    FolderPlatform scripted;
    frmMain window;
    QTemporaryDir work;

    static QString fakeTranscoder() { return QStringLiteral(MORVANE_TEST_TOOLS_DIR "/fake_transcoder"); }

    QString program() { return scripted.programFolder(); }
    QString staging() { return scripted.stagingFolder(); }
    QString path(const QString &name) const { return work.path() + QLatin1Char('/') + name; }

    // Start-up as the program does it, then the fake as both transcoders.
    bool start()
    {
        if (!window.Form_Load())
            return false;
        return install(QStringLiteral("conv.dll")) && install(QStringLiteral("conv1.dll"));
    }
    bool install(const QString &name)
    {
        return bool(FileCopy::copyToNewFile(fakeTranscoder(), program() + QLatin1Char('/') + name));
    }

    // A source whose first line tells the fake what to do.
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
    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    void addEntry(const QString &sourcePath, const QString &outputPath)
    {
        window.LV->show();
        window.LV->AppendRow(sourcePath);
        window.LV->AddSubItem(window.LV->RowCount(), outputPath);
    }

    // Command 2 through the dispatcher, as the tool button's release runs it.
    void convert() { window.imgButton_MouseUp(2, 1, 0, 0, 0); }

    // Each start of the fake: its program path, then its arguments.
    std::vector<QStringList> calls()
    {
        std::vector<QStringList> result;
        QStringList current;
        const QByteArray log = read(scripted.cacheFolder() + QStringLiteral("/calls.log"));
        if (log == "<missing>")
            return result;
        for (const QByteArray &line : log.split('\n')) {
            if (line == "--") {
                result.push_back(current);
                current.clear();
            } else if (!line.isEmpty() || !current.isEmpty()) {
                current << QString::fromLocal8Bit(line);
            }
        }
        return result;
    }

    // Files a run must not leave behind.
    QStringList leftovers()
    {
        QStringList found;
        QStringList candidates = RunFiles::stagingFiles(staging());
        for (int which = 0; which < RunFiles::Transcoders; ++which)
            candidates << RunFiles::transcoderCopy(scripted.dataFolder(), which);
        for (const QString &file : candidates) {
            if (QFile::exists(file))
                found << QFileInfo(file).fileName();
        }
        return found;
    }
};

#pragma once
// The tests' converting window: the fake transcoder as both transcoders, on
// the scripted platform, with what the fake logged and what a run left.

#include "jobs/core/RunFiles.h"
#include "support/ScriptedPlatform.h"
#include "tools/ConvertingWindow.h"

#include <QFile>
#include <QFileInfo>

#include <vector>

// The program's folder may be put one level down, to give it blanks.
class FolderPlatform : public ScriptedPlatform {
public:
    QString subFolder;
    QString programFolder() override { return programDir.path() + subFolder; }
};

struct FakeRun : ConvertingWindow<FolderPlatform> {
    static QString fakeTranscoder() { return QStringLiteral(MORVANE_TEST_TOOLS_DIR "/fake_transcoder"); }

    bool start() { return ConvertingWindow::start(fakeTranscoder()); }
    bool install(const QString &name) { return ConvertingWindow::install(fakeTranscoder(), name); }

    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // Each start of the fake: its program path, then its arguments.
    std::vector<QStringList> calls()
    {
        std::vector<QStringList> result;
        QStringList current;
        const QByteArray log = read(platform.cacheFolder() + QStringLiteral("/calls.log"));
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
            candidates << RunFiles::transcoderCopy(platform.dataFolder(), which);
        for (const QString &file : candidates) {
            if (QFile::exists(file))
                found << QFileInfo(file).fileName();
        }
        return found;
    }
};

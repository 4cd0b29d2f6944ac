#pragma once
// The conversion run without its window: stages each entry's source,
// composes its command line, starts the transcoder, waits for it, delivers
// the result and clears up. The window shows what the observer is told.

#include "jobs/core/RunReport.h"
#include "jobs/core/TranscoderCommandLine.h"
#include "platform/System.h"

#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>

// The entries as the file list holds them, numbered from 1 and read anew
// at every step.
class RunEntries {
public:
    virtual ~RunEntries() = default;
    virtual int count() const = 0;
    virtual QString source(int k) const = 0;
    virtual std::optional<QString> output(int k) const = 0;
};

// What the window shows while the run goes on. Unset ones are skipped.
struct RunObserver {
    std::function<void(int filesLeft)> counter;        // before each entry
    std::function<void(const QString &line)> composed; // the entry's command line
    std::function<void()> starting;                    // about to start its transcoder
    std::function<void()> started;                     // its transcoder runs
    std::function<void()> finished;                    // the entry is over
};

class ConversionRun {
public:
    explicit ConversionRun(System &system);

    RunObserver observer;

    // Preparation: both transcoders copied into the data folder, replacing
    // older copies, once the working folders have proved private.
    void copyTranscoders();
    // The entries from index on, one after the other; index advances past
    // each entry delivered or failed, as the window's entry counter does.
    // Ends at the first entry that cannot be started or when interrupted.
    const RunReport &convertEntries(const RunEntries &entries,
                                    const TranscoderCommandLine::SettingPieces &settings, qint16 &index);
    // Wrap-up: the staging files, then both transcoder copies.
    void deleteWorkingFiles();

    // Ends the run from outside: a running transcoder is stopped and nothing
    // more is delivered. Safe to call at any time, from the event loop.
    void interrupt();
    bool interrupted() const { return interrupted_; }

    const RunReport &report() const { return report_; }

private:
    const QString &workingFoldersProblem();
    QString stagingFailure(const QString &source, const SysResult &copied);
    QString startFailure(const QString &program);
    void endRun(const RunEntries &entries, int from, const QString &reason, const QString &rest);

    System &system_;
    std::array<SysResult, 2> transcoderCopies_{};
    ChildProcess *running_ = nullptr;
    bool interrupted_ = false;
    bool foldersChecked_ = false;
    QString foldersProblem_; // empty: the working folders are the user's alone
    RunReport report_;
};

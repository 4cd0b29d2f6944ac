#include "jobs/core/ConversionRun.h"

#include "jobs/core/RunFiles.h"

#include <limits>

using namespace TranscoderCommandLine;

namespace {

const QString NotReached = QStringLiteral("not converted: the run ended before it");
const QString BeyondLimit = QStringLiteral("not converted: one run converts at most 32767 files");
const QString Interrupted = QStringLiteral("not converted: the run was interrupted");

void tell(const std::function<void()> &step)
{
    if (step)
        step();
}

// The transcoder's words, with the staged names it was given put back as
// the user's own files.
QString inUsersTerms(QString line, const CommandLine &command, const QString &source, const QString &output)
{
    return line.replace(command.stagedInput, source).replace(command.stagedOutput, output);
}

// Empty when the transcoder ended well by itself.
QString transcoderFailure(const ProcessOutcome &outcome, const QString &line)
{
    if (!outcome.exitedNormally) {
        return line.isEmpty() ? QStringLiteral("the transcoder ended abnormally")
                              : QStringLiteral("the transcoder ended abnormally: ") + line;
    }
    if (outcome.exitCode != 0) {
        return line.isEmpty() ? QStringLiteral("the transcoder failed (exit code %1)").arg(outcome.exitCode)
                              : QStringLiteral("the transcoder failed: ") + line;
    }
    return QString();
}

// Empty when delivered.
QString deliveryFailure(const Delivery &delivery)
{
    using Outcome = Delivery::Outcome;
    switch (delivery.outcome) {
    case Outcome::Delivered: return QString();
    case Outcome::NoResult: return QStringLiteral("the transcoder wrote no output");
    case Outcome::EmptyResult: return QStringLiteral("the transcoder wrote an empty output");
    case Outcome::FolderUnwritable:
        return QStringLiteral("the output folder does not exist or cannot be written");
    case Outcome::ReadOnlyOutput: return QStringLiteral("the output file is read-only");
    case Outcome::WriteFailed:
        return QStringLiteral("the result could not be written to the output folder: ")
               + delivery.result.why();
    case Outcome::PlaceFailed:
        return QStringLiteral("the result could not be put at the output path: ") + delivery.result.why();
    case Outcome::ForeignOutput: return QStringLiteral("the output file belongs to another user");
    case Outcome::Replaced:
        return QStringLiteral("the output was replaced by another program while it was delivered");
    }
    return QStringLiteral("the result could not be delivered");
}

} // namespace

ConversionRun::ConversionRun(System &system) : system_(system) {}

// Checked once per run, before the first use: the folders must be the
// user's alone, or another account could read the staged video or have the
// program write through a link of its own.
const QString &ConversionRun::workingFoldersProblem()
{
    if (!foldersChecked_) {
        foldersChecked_ = true;
        for (const QString &folder : {system_.cacheFolder(), system_.stagingFolder(), system_.dataFolder()}) {
            foldersProblem_ = system_.makePrivateFolder(folder);
            if (!foldersProblem_.isEmpty())
                break;
        }
    }
    return foldersProblem_;
}

void ConversionRun::copyTranscoders()
{
    if (!workingFoldersProblem().isEmpty())
        return;
    const QString program = system_.programFolder();
    const QString data = system_.dataFolder();
    for (int which = 0; which < RunFiles::Transcoders; ++which) {
        // A copy that failed leaves no file, not even an earlier run's.
        transcoderCopies_[which] = system_.copyFile(RunFiles::shippedTranscoder(program, which),
                                                    RunFiles::transcoderCopy(data, which));
    }
}

const RunReport &ConversionRun::convertEntries(const RunEntries &entries, const SettingPieces &settings,
                                               qint16 &index)
{
    const QString staging = system_.stagingFolder();
    const QString data = system_.dataFolder();
    if (const QString &problem = workingFoldersProblem(); !problem.isEmpty()) {
        endRun(entries, index, problem, problem);
        report_.entries = entries.count();
        return report_;
    }

    while (index <= entries.count()) {
        if (interrupted_) {
            endRun(entries, index, Interrupted, Interrupted);
            break;
        }
        const int k = index;
        if (observer.counter)
            observer.counter(entries.count() - k + 1);
        const QString source = entries.source(k);
        const std::optional<QString> output = entries.output(k);
        const std::optional<OutputFormat> format = formatOf(output.value_or(QString()));

        // Nothing an earlier entry or run left may pass for this entry's
        // result; the staging copy empties its own name.
        if (format)
            system_.deleteFile(stagedOutputPath(staging, *format));
        const SysResult staged = system_.copyFile(source, RunFiles::stagedInput(staging));

        std::optional<CommandLine> line;
        if (format) {
            line = compose(*format, settings, data, staging);
            if (observer.composed)
                observer.composed(line->display);
        }
        tell(observer.starting);
        if (!line) {
            endRun(entries, k, output ? QStringLiteral("no output format") : QStringLiteral("no output path"),
                   NotReached);
            break;
        }

        QString failure;
        if (!staged) {
            failure = stagingFailure(source, staged);
        } else {
            const QString cannotStart = startFailure(line->program);
            std::unique_ptr<ChildProcess> child =
                cannotStart.isEmpty() ? system_.startProcess(line->program, line->arguments) : nullptr;
            if (!child) {
                endRun(entries, k,
                       cannotStart.isEmpty() ? QStringLiteral("the transcoder could not be started")
                                             : cannotStart,
                       NotReached);
                break;
            }
            tell(observer.started);
            running_ = child.get();
            const ProcessOutcome outcome = child->wait();
            running_ = nullptr;
            // Only a transcoder that ended by itself has a result to deliver.
            if (interrupted_ || outcome.stopped) {
                interrupted_ = true;
                endRun(entries, k, Interrupted, Interrupted);
                break;
            }
            failure = transcoderFailure(outcome, inUsersTerms(outcome.lastErrorLine, *line, source, *output));
            if (failure.isEmpty())
                failure = deliveryFailure(system_.deliver(line->stagedOutput, *output));
        }
        if (failure.isEmpty())
            ++report_.converted;
        else
            report_.failures.push_back({*output, failure});
        tell(observer.finished);

        if (index == std::numeric_limits<qint16>::max()) {
            endRun(entries, k + 1, BeyondLimit, BeyondLimit);
            break;
        }
        ++index;
    }
    report_.entries = entries.count();
    return report_;
}

void ConversionRun::deleteWorkingFiles()
{
    // Nothing is deleted through a folder that may be another account's.
    if (!workingFoldersProblem().isEmpty())
        return;
    // Missing ones are the normal case and are skipped.
    for (const QString &file : RunFiles::stagingFiles(system_.stagingFolder()))
        system_.deleteFile(file);
    const QString data = system_.dataFolder();
    for (int which = 0; which < RunFiles::Transcoders; ++which)
        system_.deleteFile(RunFiles::transcoderCopy(data, which));
}

void ConversionRun::interrupt()
{
    interrupted_ = true;
    if (running_)
        running_->stop();
}

QString ConversionRun::stagingFailure(const QString &source, const SysResult &copied)
{
    if (!system_.isPlainFile(source))
        return QStringLiteral("the source file does not exist");
    return QStringLiteral("the source could not be copied to the staging folder: ") + copied.why();
}

// Empty when nothing speaks against starting the program.
QString ConversionRun::startFailure(const QString &program)
{
    const QString folder = system_.programFolder();
    const QString data = system_.dataFolder();
    for (int which = 0; which < RunFiles::Transcoders; ++which) {
        if (program != RunFiles::transcoderCopy(data, which))
            continue;
        const QString shipped = RunFiles::shippedTranscoder(folder, which);
        if (!system_.isPlainFile(shipped))
            return QStringLiteral("the transcoder %1 is missing").arg(shipped);
        if (!transcoderCopies_[which]) {
            return QStringLiteral("the transcoder could not be copied to %1: %2")
                .arg(data, transcoderCopies_[which].why());
        }
    }
    return system_.isPlainFile(program) ? QString()
                                        : QStringLiteral("the transcoder %1 is missing").arg(program);
}

// Leaving the run: entry `from` for `reason`, the ones after it with `rest`.
void ConversionRun::endRun(const RunEntries &entries, int from, const QString &reason, const QString &rest)
{
    tell(observer.finished);
    for (int k = from; k <= entries.count(); ++k)
        report_.failures.push_back({entries.output(k).value_or(QString()), k == from ? reason : rest});
}

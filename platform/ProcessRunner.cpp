#include "platform/ProcessRunner.h"

#include "platform/ChildLifetime.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace {

class QtChildProcess : public ChildProcess {
public:
    explicit QtChildProcess(std::unique_ptr<QProcess> process) : process_(std::move(process))
    {
        QObject::connect(process_.get(), &QProcess::readyReadStandardOutput, process_.get(),
                         [this] { drain(); });
        killTimer_.setSingleShot(true);
        killTimer_.setInterval(ChildLifetime::stopGraceMs);
        QObject::connect(&killTimer_, &QTimer::timeout, process_.get(), [this] { process_->kill(); });
    }

    ~QtChildProcess() override
    {
        if (process_->state() != QProcess::NotRunning) {
            process_->kill();
            process_->waitForFinished(-1);
        }
    }

    ProcessOutcome wait() override
    {
        // Sleep in the event loop: window events and timers run, no CPU is burnt.
        while (process_->state() != QProcess::NotRunning) {
            QEventLoop loop;
            QObject::connect(process_.get(), &QProcess::finished, &loop, &QEventLoop::quit);
            if (process_->state() == QProcess::NotRunning)
                break;
            loop.exec();
            // Only a quitting application ends the loop early, and from then
            // on every loop ends at once: stop the child here and wait for it.
            if (process_->state() != QProcess::NotRunning)
                stopAndReap();
        }
        killTimer_.stop();
        drain();
        finishLine();
        ProcessOutcome outcome;
        outcome.exitedNormally = process_->exitStatus() == QProcess::NormalExit;
        outcome.exitCode = process_->exitCode();
        outcome.stopped = stopped_;
        outcome.lastErrorLine = lastLine_;
        return outcome;
    }

    void stop() override
    {
        if (stopped_ || process_->state() == QProcess::NotRunning)
            return;
        stopped_ = true;
        process_->terminate();
        killTimer_.start();
    }

private:
    void stopAndReap()
    {
        stopped_ = true;
        ChildLifetime::stop(*process_, ChildLifetime::stopGraceMs);
    }

    void drain()
    {
        const QByteArray chunk = process_->readAllStandardOutput();
        for (char c : chunk) {
            if (c == '\n' || c == '\r') {
                finishLine();
            } else if (pending_.size() < 4096) {
                pending_.append(c);
            }
        }
    }

    void finishLine()
    {
        const QString line = QString::fromLocal8Bit(pending_).trimmed();
        if (!line.isEmpty())
            lastLine_ = line;
        pending_.clear();
    }

    std::unique_ptr<QProcess> process_;
    QTimer killTimer_;
    bool stopped_ = false;
    QByteArray pending_;
    QString lastLine_;
};

} // namespace

std::unique_ptr<ChildProcess> ProcessRunner::start(const QString &program, const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::MergedChannels);
    // Even a SIGKILL of ours ends the child; SIGTERM lets it clean up after
    // itself. Our handlers are not the child's business between fork and exec.
    ChildLifetime::tieToParent(*process);
    {
        ChildLifetime::HeldEndingSignals held;
        process->start(QIODevice::ReadOnly);
        if (!process->waitForStarted(-1))
            return nullptr;
    }
    return std::make_unique<QtChildProcess>(std::move(process));
}

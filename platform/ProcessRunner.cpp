#include "platform/ProcessRunner.h"

#include <QEventLoop>
#include <QProcess>

namespace {

class QtChildProcess : public ChildProcess {
public:
    explicit QtChildProcess(std::unique_ptr<QProcess> process) : process_(std::move(process))
    {
        QObject::connect(process_.get(), &QProcess::readyReadStandardOutput, process_.get(),
                         [this] { drain(); });
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
        if (process_->state() != QProcess::NotRunning) {
            // Sleep in the event loop: window events and timers run, no CPU is burnt.
            QEventLoop loop;
            QObject::connect(process_.get(), &QProcess::finished, &loop, &QEventLoop::quit);
            if (process_->state() != QProcess::NotRunning)
                loop.exec();
        }
        drain();
        finishLine();
        ProcessOutcome outcome;
        outcome.exitedNormally = process_->exitStatus() == QProcess::NormalExit;
        outcome.exitCode = process_->exitCode();
        outcome.lastErrorLine = lastLine_;
        return outcome;
    }

private:
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
    QByteArray pending_;
    QString lastLine_;
};

} // namespace

std::unique_ptr<ChildProcess> ProcessRunner::start(const QString &program,
                                                   const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->start(QIODevice::ReadOnly);
    if (!process->waitForStarted(-1))
        return nullptr;
    return std::make_unique<QtChildProcess>(std::move(process));
}

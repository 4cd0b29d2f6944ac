#include "platform/EndingSignals.h"

#include "platform/ChildLifetime.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

int pipeEnds[2] = {-1, -1};
std::unique_ptr<QSocketNotifier> notifier;
std::function<void()> handler;

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a call to come.
    [[maybe_unused]] const ssize_t put = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

void drainPipe()
{
    char bytes[64];
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
}

} // namespace

void EndingSignals::watch(std::function<void()> onEnding)
{
    handler = std::move(onEnding);
    if (!notifier) {
        if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        notifier = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [] {
            drainPipe();
            if (handler)
                handler();
        });
    }
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : ChildLifetime::endingSignals)
        ::sigaction(signal, &action, nullptr);
}

void EndingSignals::unwatch()
{
    for (int signal : ChildLifetime::endingSignals)
        std::signal(signal, SIG_DFL);
    handler = nullptr;
}

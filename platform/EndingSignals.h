#pragma once
// SIGTERM, SIGINT and SIGHUP turned into a call on the event loop's thread,
// so that the program can end what it is doing cleanly before it goes.

#include <functional>

namespace EndingSignals {
// Installs the handlers; every later ending signal calls onSignal from the
// event loop. A second call replaces the function.
void watch(std::function<void()> onSignal);
// Back to the system's default handling.
void unwatch();
} // namespace EndingSignals

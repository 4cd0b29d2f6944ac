// Starts its arguments as a child through the program's own process
// runner and waits for it, so a test can kill this parent and see whether
// the child outlives it.

#include "platform/ProcessRunner.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return 2;
    const QString program = arguments.takeFirst();
    std::unique_ptr<ChildProcess> child = ProcessRunner::start(program, arguments);
    if (!child)
        return 1;
    return child->wait().exitCode;
}

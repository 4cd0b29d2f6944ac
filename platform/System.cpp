#include "platform/System.h"

#include "platform/PosixSystem.h"

#include <cstring>

namespace {
System *current = nullptr;
}

QString SysResult::why() const { return QString::fromLocal8Bit(std::strerror(error)); }

QString System::stagingFolder() { return cacheFolder() + QStringLiteral("/tmp"); }

QString System::dataFolder() { return cacheFolder() + QStringLiteral("/data"); }

System &os()
{
    if (!current) {
        static PosixSystem real;
        current = &real;
    }
    return *current;
}

System *setSystem(System *replacement)
{
    System *previous = current;
    current = replacement;
    return previous;
}

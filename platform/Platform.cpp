#include "platform/Platform.h"

#include "platform/QtPlatform.h"

namespace {
Platform *current = nullptr;
}

Platform &platform()
{
    if (!current) {
        static QtPlatform real;
        current = &real;
    }
    return *current;
}

Platform *setPlatform(Platform *replacement)
{
    Platform *previous = current;
    current = replacement;
    return previous;
}

#include "platform/Desktop.h"

#include "platform/QtDesktop.h"

namespace {
Desktop *current = nullptr;
}

Desktop &desktop()
{
    if (!current) {
        static QtDesktop real;
        current = &real;
    }
    return *current;
}

Desktop *setDesktop(Desktop *replacement)
{
    Desktop *previous = current;
    current = replacement;
    return previous;
}

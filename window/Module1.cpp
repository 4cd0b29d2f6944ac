#include "window/Module1.h"

namespace Module1 {
bool MenuButtonDown = false;
}

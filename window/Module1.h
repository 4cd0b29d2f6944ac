#pragma once
// Program-wide state.

namespace Module1 {
// A tool button or menu title is held down and its press is not yet over.
extern bool MenuButtonDown;
} // namespace Module1

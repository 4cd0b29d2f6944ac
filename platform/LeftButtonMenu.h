#pragma once
// Pops a menu up whose items are chosen with the left mouse button only.
// Qt's menus on Linux choose an item at the release of any button; here a
// right or middle press or release on an item does nothing, and the menu
// stays open. Presses outside the menu still close it.

class QMenu;
class QPoint;
class QAction;

namespace LeftButtonMenu {

// QMenu::exec at a global point with that rule in force; the chosen action
// or nullptr.
QAction *exec(QMenu *menu, const QPoint &globalPos);

} // namespace LeftButtonMenu

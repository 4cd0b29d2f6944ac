#pragma once
// Folders only the user can look into or change. The program keeps its
// working files in them, so another local account can neither read the
// user's videos there nor plant a link the program would write through.

#include <QString>

namespace PrivateFolder {

// Why the folder is not private to the user, as a sentence naming it;
// empty when it is a real folder (not a link), the user's own, and
// neither readable nor writable by group and others.
QString problem(const QString &path);

// Makes the folder owner-only unless it is there, missing parents too,
// then says what problem() says.
QString make(const QString &path);

} // namespace PrivateFolder

#pragma once
// The real open and save dialogs: Qt's own (non-native) file dialog, made to
// remember nothing, to take a typed name exactly as typed, and to give a
// name typed without an extension in the save dialog the extension of the
// chosen file type.

#include "platform/Desktop.h"

#include <optional>

namespace QtFileDialog {

// The chosen full path, or nothing on cancel.
std::optional<QString> run(const FileDialogRequest &request);

// The extension (lower case, no dot) of a "description (patterns)" filter's
// first "*.ext" pattern; empty for "*" and for patterns with wildcards.
QString filterExtension(const QString &nameFilter);

} // namespace QtFileDialog

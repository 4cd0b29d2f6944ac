#pragma once
// The one line a failed step leaves on stderr, and the tools' lookup.

#include "transcoder/ToolRun.h"

#include <QString>

void say(const QString &line);

// The path of an ffmpeg tool on PATH; empty, with the reason said, when missing.
QString findTool(const QString &name);

// The step's exit status; for a failure, the line that says why is said,
// in one wording whichever tool it was.
int finished(const ToolOutcome &outcome);

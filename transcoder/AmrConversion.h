#pragma once
// A conversion whose sound we encode as AMR-NB ourselves: ffmpeg has no such
// encoder here. Returns the exit status; a failure says why in one line.

#include "transcoder/TranscoderArguments.h"

#include <QString>

int convertWithAmr(const QString &ffmpeg, const TranscoderArguments::Plan &plan);

#include "transcoder/StderrRelay.h"

#include <cstdio>

void StderrRelay::take(const QByteArray &chunk)
{
    if (!muted_) {
        std::fwrite(chunk.constData(), 1, size_t(chunk.size()), stderr);
        std::fflush(stderr);
    }
    for (char c : chunk) {
        if (c == '\n' || c == '\r')
            endLine();
        else if (pending_.size() < 4096)
            pending_.append(c);
    }
}

QString StderrRelay::lastLine()
{
    endLine();
    return last_;
}

void StderrRelay::endLine()
{
    const QString line = QString::fromLocal8Bit(pending_).trimmed();
    // ffmpeg's closing "Conversion failed!" says nothing; the line before does.
    if (!line.isEmpty() && line != QLatin1String("Conversion failed!"))
        last_ = line;
    pending_.clear();
}

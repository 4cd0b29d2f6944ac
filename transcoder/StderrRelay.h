#pragma once
// A tool's stderr as it comes: passed on to ours (unless muted), the last
// telling line kept for the one-line failure report.

#include <QByteArray>
#include <QString>

class StderrRelay {
public:
    void take(const QByteArray &chunk);
    // Later chunks are kept track of but not passed on.
    void mute() { muted_ = true; }
    QString lastLine();

private:
    void endLine();

    QByteArray pending_;
    QString last_;
    bool muted_ = false;
};

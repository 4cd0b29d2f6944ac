#include "jobs/core/RunReport.h"

namespace {
// A box of thousands of lines helps nobody: the rest is counted.
constexpr int ListedFailures = 20;
} // namespace

QString RunReport::warningText() const
{
    QString text = QStringLiteral("%1 of %2 file(s) converted.\n").arg(converted).arg(entries);
    int listed = 0;
    for (const Failure &failure : failures) {
        if (listed++ == ListedFailures) {
            text += QStringLiteral("\n... and %1 more not converted").arg(failures.size() - ListedFailures);
            break;
        }
        text += QStringLiteral("\n") + failure.outputPath + QStringLiteral(": ") + failure.reason;
    }
    return text;
}

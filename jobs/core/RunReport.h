#pragma once
// What a conversion run tells the user when it ends: how many entries were
// delivered, and why each of the others was not.

#include <QString>

#include <vector>

struct RunReport {
    struct Failure {
        QString outputPath;
        QString reason;
    };
    int entries = 0;               // entries in the list when the run ended
    int converted = 0;             // delivered to their output paths
    std::vector<Failure> failures; // in list order, one per entry not delivered

    bool complete() const { return failures.empty() && converted == entries; }
    // The warning box's text for a run that was not complete.
    QString warningText() const;
};

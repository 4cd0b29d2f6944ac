#pragma once
// The twelve settings' fixed choice lists and defaults, in the order the
// defaults are written.

#include <QString>
#include <QStringList>

#include <vector>

namespace SettingsChoices {

QStringList frameRates();
QStringList frameSizes();
QStringList mp4FrameSizes();
QStringList videoBitRates();
QStringList audioBitRates();

struct Setting {
    QString box;         // the box's name, e.g. "cmbFPSAVI"
    QStringList choices; // in the order shown
    QString byDefault;
};

// In reset order: cmbFPSAVI first, cmbAB3GP last.
const std::vector<Setting> &settings();

} // namespace SettingsChoices

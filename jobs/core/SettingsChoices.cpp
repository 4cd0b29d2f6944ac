#include "jobs/core/SettingsChoices.h"

namespace SettingsChoices {

QStringList frameRates()
{
    return {QStringLiteral("14.985"), QStringLiteral("23.975"), QStringLiteral("25.0"),
            QStringLiteral("29.97")};
}

QStringList frameSizes()
{
    // Not sorted: "480x480" stands where it always stood.
    return {QStringLiteral("128x96"),  QStringLiteral("160x120"), QStringLiteral("176x144"),
            QStringLiteral("320x180"), QStringLiteral("320x240"), QStringLiteral("352x288"),
            QStringLiteral("640x272"), QStringLiteral("480x480"), QStringLiteral("640x360"),
            QStringLiteral("640x480"), QStringLiteral("720x306"), QStringLiteral("720x320")};
}

QStringList mp4FrameSizes() { return frameSizes().mid(4); }

QStringList videoBitRates()
{
    return {QStringLiteral("40"),   QStringLiteral("80"),  QStringLiteral("120"), QStringLiteral("128"),
            QStringLiteral("256"),  QStringLiteral("384"), QStringLiteral("512"), QStringLiteral("600"),
            QStringLiteral("640"),  QStringLiteral("768"), QStringLiteral("800"), QStringLiteral("900"),
            QStringLiteral("1000"), QStringLiteral("1500")};
}

QStringList audioBitRates()
{
    return {QStringLiteral("4.75k"), QStringLiteral("5.15k"), QStringLiteral("5.9k"),
            QStringLiteral("6.7k"),  QStringLiteral("7.4k"),  QStringLiteral("7.95k"),
            QStringLiteral("10.2k"), QStringLiteral("12.2k")};
}

const std::vector<Setting> &settings()
{
    static const std::vector<Setting> table = {
        {QStringLiteral("cmbFPSAVI"), frameRates(), QStringLiteral("25.0")},
        {QStringLiteral("cmbSizeAVI"), frameSizes(), QStringLiteral("320x240")},
        {QStringLiteral("cmbFPSWMV"), frameRates(), QStringLiteral("25.0")},
        {QStringLiteral("cmbSizeWMV"), frameSizes(), QStringLiteral("320x240")},
        {QStringLiteral("cmbSizeMOV"), frameSizes(), QStringLiteral("320x240")},
        {QStringLiteral("cmbVBRMP4"), videoBitRates(), QStringLiteral("512")},
        {QStringLiteral("cmbFPSMP4"), frameRates(), QStringLiteral("25.0")},
        {QStringLiteral("cmbSizeMP4"), mp4FrameSizes(), QStringLiteral("480x480")},
        {QStringLiteral("cmbVBR3GP"), videoBitRates(), QStringLiteral("120")},
        {QStringLiteral("cmbFPS3GP"), frameRates(), QStringLiteral("14.985")},
        {QStringLiteral("cmbSize3GP"), frameSizes(), QStringLiteral("176x144")},
        {QStringLiteral("cmbAB3GP"), audioBitRates(), QStringLiteral("4.75k")},
    };
    return table;
}

} // namespace SettingsChoices

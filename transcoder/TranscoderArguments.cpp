#include "transcoder/TranscoderArguments.h"

#include <QRegularExpression>

namespace TranscoderArguments {

namespace {

struct Item {
    QString option; // empty for the output file
    QString value;
    bool hasValue = false;
};

// ffmpeg options of these lines' kind that take no value; every other
// option takes the next argument whole, blanks and all.
bool isFlag(const QString &option)
{
    static const QStringList flags = {
        QStringLiteral("-y"),           QStringLiteral("-n"),      QStringLiteral("-nostdin"),
        QStringLiteral("-hide_banner"), QStringLiteral("-an"),     QStringLiteral("-vn"),
        QStringLiteral("-sn"),          QStringLiteral("-dn"),     QStringLiteral("-shortest"),
        QStringLiteral("-stats"),       QStringLiteral("-nostats")};
    return flags.contains(option);
}

bool isPlainNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    return number.match(text).hasMatch();
}

// The sizes H.263 can code; 3GP's default video codec refuses the rest.
bool isH263Size(const QString &size)
{
    static const QStringList sizes = {QStringLiteral("128x96"),    QStringLiteral("176x144"),
                                      QStringLiteral("352x288"),   QStringLiteral("704x576"),
                                      QStringLiteral("1408x1152"), QStringLiteral("sqcif"),
                                      QStringLiteral("qcif"),      QStringLiteral("cif"),
                                      QStringLiteral("4cif"),      QStringLiteral("16cif")};
    return sizes.contains(size, Qt::CaseInsensitive);
}

bool isVideoCodecOption(const QString &option)
{
    return option == QLatin1String("-vcodec") || option == QLatin1String("-c:v")
           || option == QLatin1String("-codec:v");
}

bool isAmrOnlyOption(const QString &option)
{
    return option == QLatin1String("-acodec") || option == QLatin1String("-ar")
           || option == QLatin1String("-ab");
}

QString failure(const QString &why) { return QStringLiteral("conv: ") + why; }

void append(QStringList &to, const Item &item)
{
    to << item.option;
    if (item.hasValue)
        to << item.value;
}

} // namespace

QStringList amrBitRates()
{
    return {QStringLiteral("4.75k"), QStringLiteral("5.15k"), QStringLiteral("5.9k"),
            QStringLiteral("6.7k"),  QStringLiteral("7.4k"),  QStringLiteral("7.95k"),
            QStringLiteral("10.2k"), QStringLiteral("12.2k")};
}

int amrModeFor(const QString &bitRate)
{
    const QStringList rates = amrBitRates();
    for (qsizetype i = 0; i < rates.size(); ++i) {
        if (rates.at(i).compare(bitRate, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QStringList quietPrefix()
{
    return {QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
            QStringLiteral("error")};
}

Plan translate(const QStringList &legacy)
{
    Plan plan;
    std::vector<Item> items;
    const qsizetype count = legacy.size();
    for (qsizetype i = 0; i < count; ++i) {
        const QString &argument = legacy.at(i);
        if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            Item item{argument, QString(), false};
            if (!isFlag(argument)) {
                if (i + 1 >= count) {
                    plan.error = failure(QStringLiteral("option %1 has no value").arg(argument));
                    return plan;
                }
                item.value = legacy.at(++i);
                item.hasValue = true;
                if (item.value.trimmed().isEmpty()) {
                    plan.error = failure(QStringLiteral("the value of %1 is empty").arg(argument));
                    return plan;
                }
            }
            items.push_back(item);
        } else if (argument.trimmed().isEmpty()) {
            plan.error = i + 1 == count
                             ? failure(QStringLiteral("no output file given (the last argument is empty)"))
                             : failure(QStringLiteral("empty argument where an option was expected"));
            return plan;
        } else if (i + 1 != count) {
            plan.error = failure(QStringLiteral("unexpected argument \"%1\"").arg(argument));
            return plan;
        } else {
            plan.output = argument;
        }
    }
    if (plan.output.isEmpty()) {
        plan.error = failure(QStringLiteral("no output file given"));
        return plan;
    }

    bool haveInput = false;
    bool videoCodecGiven = false;
    QString size;
    QString audioBitRate;
    QString sampleRate;
    for (Item &item : items) {
        if (item.option == QLatin1String("-i") && !haveInput) {
            plan.input = item.value;
            haveInput = true;
        } else if (item.option == QLatin1String("-y")) {
            plan.overwrite = true;
        } else if (item.option == QLatin1String("-b")) {
            // These lines give kbit/s; today's ffmpeg reads a bare number as bit/s.
            item.option = QStringLiteral("-b:v");
            if (isPlainNumber(item.value))
                item.value += QLatin1Char('k');
        } else if (item.option == QLatin1String("-s")) {
            size = item.value;
        } else if (isVideoCodecOption(item.option)) {
            videoCodecGiven = true;
        } else if (item.option == QLatin1String("-acodec")) {
            plan.amrAudio = item.value == QLatin1String("libamr_nb");
        } else if (item.option == QLatin1String("-ab")) {
            audioBitRate = item.value;
        } else if (item.option == QLatin1String("-ar")) {
            sampleRate = item.value;
        }
    }
    if (!haveInput) {
        plan.error = failure(QStringLiteral("no input file given (-i)"));
        return plan;
    }

    if (plan.amrAudio) {
        if (!audioBitRate.isEmpty()) {
            plan.amrMode = amrModeFor(audioBitRate);
            if (plan.amrMode < 0) {
                plan.error = failure(QStringLiteral("AMR-NB has no bit rate \"%1\" (use one of %2)")
                                         .arg(audioBitRate, amrBitRates().join(QLatin1Char(' '))));
                return plan;
            }
        }
        if (!sampleRate.isEmpty() && sampleRate != QLatin1String("8000")) {
            plan.error = failure(QStringLiteral("AMR-NB audio is 8000 Hz only, not -ar %1").arg(sampleRate));
            return plan;
        }
    }

    bool inputSeen = false;
    for (const Item &item : items) {
        if (plan.amrAudio && isAmrOnlyOption(item.option))
            continue;
        append(inputSeen ? plan.afterInput : plan.beforeInput, item);
        if (inputSeen && item.option == QLatin1String("-f"))
            plan.outputFormat = item.value;
        if (item.option == QLatin1String("-i"))
            inputSeen = true;
    }
    if (plan.output.endsWith(QLatin1String(".3gp"), Qt::CaseInsensitive) && !videoCodecGiven
        && !isH263Size(size))
        plan.afterInput << QStringLiteral("-vcodec") << QStringLiteral("mpeg4");

    if (!plan.amrAudio)
        plan.ffmpegArguments = quietPrefix() + plan.beforeInput + plan.afterInput + QStringList{plan.output};
    return plan;
}

QStringList streamProbeArguments(const Plan &plan)
{
    return {QStringLiteral("-v"),
            QStringLiteral("error"),
            QStringLiteral("-show_entries"),
            QStringLiteral("stream=codec_type"),
            QStringLiteral("-of"),
            QStringLiteral("csv=p=0"),
            plan.input};
}

QStringList videoArguments(const Plan &plan, const QString &videoPath)
{
    return quietPrefix() + plan.beforeInput + plan.afterInput
           + QStringList{QStringLiteral("-map"), QStringLiteral("0:v:0?"), QStringLiteral("-an"), videoPath};
}

QStringList audioDecodeArguments(const Plan &plan, const QString &rawPath)
{
    return quietPrefix()
           + QStringList{QStringLiteral("-y"),
                         QStringLiteral("-i"),
                         plan.input,
                         QStringLiteral("-map"),
                         QStringLiteral("0:a:0?"),
                         QStringLiteral("-vn"),
                         QStringLiteral("-ac"),
                         QStringLiteral("1"),
                         QStringLiteral("-ar"),
                         QString::number(plan.amrSampleRate),
                         QStringLiteral("-c:a"),
                         QStringLiteral("pcm_s16le"),
                         QStringLiteral("-f"),
                         QStringLiteral("s16le"),
                         rawPath};
}

QStringList muxArguments(const Plan &plan, const QString &videoPath, const QString &amrPath)
{
    QStringList arguments = quietPrefix();
    // Without -y an existing output is refused, as the one-run lines do.
    if (plan.overwrite)
        arguments << QStringLiteral("-y");
    int inputs = 0;
    for (const QString &path : {videoPath, amrPath}) {
        if (!path.isEmpty()) {
            arguments << QStringLiteral("-i") << path;
            ++inputs;
        }
    }
    for (int i = 0; i < inputs; ++i)
        arguments << QStringLiteral("-map") << QString::number(i);
    arguments << QStringLiteral("-c") << QStringLiteral("copy");
    if (!plan.outputFormat.isEmpty())
        arguments << QStringLiteral("-f") << plan.outputFormat;
    arguments << plan.output;
    return arguments;
}

} // namespace TranscoderArguments

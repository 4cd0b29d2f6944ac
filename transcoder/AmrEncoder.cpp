#include "transcoder/AmrEncoder.h"

#include <QFile>
#include <QtEndian>

#include <opencore-amrnb/interf_enc.h>

#include <memory>

namespace {

constexpr int samplesPerFrame = 160; // 20 ms at 8 kHz
constexpr int frameBytes = samplesPerFrame * 2;
constexpr int largestFrame = 32; // 12.2k frame and its header byte

struct EncoderDeleter {
    void operator()(void *state) const { Encoder_Interface_exit(state); }
};

} // namespace

AmrResult encodeAmrFile(const QString &rawPath, const QString &amrPath, int mode)
{
    AmrResult result;
    if (mode < MR475 || mode > MR122) {
        result.error = QStringLiteral("conv: no AMR-NB mode %1").arg(mode);
        return result;
    }
    QFile raw(rawPath);
    if (!raw.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("conv: cannot read the decoded audio: %1").arg(raw.errorString());
        return result;
    }
    QFile amr(amrPath);
    if (!amr.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        result.error = QStringLiteral("conv: cannot write the AMR-NB audio: %1").arg(amr.errorString());
        return result;
    }
    std::unique_ptr<void, EncoderDeleter> encoder(Encoder_Interface_init(0));
    if (!encoder) {
        result.error = QStringLiteral("conv: the AMR-NB encoder did not start");
        return result;
    }

    bool written = amr.write("#!AMR\n", 6) == 6;
    QByteArray bytes;
    short speech[samplesPerFrame];
    unsigned char frame[largestFrame + 8];
    while (written) {
        bytes = raw.read(frameBytes);
        if (bytes.isEmpty())
            break;
        // The last frame is filled up with silence.
        for (int i = 0; i < samplesPerFrame; ++i)
            speech[i] = 2 * i + 1 < bytes.size() ? qFromLittleEndian<qint16>(bytes.constData() + 2 * i) : 0;
        const int size = Encoder_Interface_Encode(encoder.get(), Mode(mode), speech, frame, 0);
        if (size <= 0) {
            result.error = QStringLiteral("conv: the AMR-NB encoder failed");
            return result;
        }
        written = amr.write(reinterpret_cast<const char *>(frame), size) == size;
        ++result.frames;
    }
    if (raw.error() != QFileDevice::NoError) {
        result.error = QStringLiteral("conv: cannot read the decoded audio: %1").arg(raw.errorString());
        return result;
    }
    if (!written || !amr.flush()) {
        result.error = QStringLiteral("conv: cannot write the AMR-NB audio: %1").arg(amr.errorString());
        return result;
    }
    result.ok = true;
    return result;
}

#include "ui/notifysound.h"

#include <QLatin1StringView>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <mmsystem.h>
#include <windows.h>
#else
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#endif

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

namespace veltaro::ui {

namespace {

/// One bell tone: frequency [Hz], start and length [ms].
struct Tone {
    double hz;
    int startMs;
    int lengthMs;
};
constexpr Tone kTones[] = {{880.0, 0, 175}, {1396.9, 175, kChimeMs - 175}}; // A5, then F6

constexpr double kLevel = 0.3;     // peak amplitude, full scale = 1
constexpr double kAttackMs = 4.0;  // rise from silence
constexpr double kDecayMs = 60.0;  // time constant of the die-away
constexpr double kReleaseMs = 8.0; // final fade so the tone ends exactly at zero

double chimeAt(double ms) {
    double value = 0;
    for (const Tone& tone : kTones) {
        const double t = ms - tone.startMs;
        if (t < 0 || t >= tone.lengthMs) {
            continue;
        }
        double envelope = std::exp(-t / kDecayMs);
        envelope *= std::min(1.0, t / kAttackMs);
        envelope *= std::min(1.0, (tone.lengthMs - t) / kReleaseMs);
        value += envelope * std::sin(2 * std::numbers::pi * tone.hz * t / 1000.0);
    }
    return kLevel * value;
}

void writeSample(char* out, QAudioFormat::SampleFormat format, double value) {
    switch (format) {
    case QAudioFormat::UInt8: {
        const auto s = static_cast<std::uint8_t>(std::lround(128 + 127 * value));
        std::memcpy(out, &s, sizeof s);
        break;
    }
    case QAudioFormat::Int16: {
        const auto s = static_cast<std::int16_t>(std::lround(32767 * value));
        std::memcpy(out, &s, sizeof s);
        break;
    }
    case QAudioFormat::Int32: {
        const auto s = static_cast<std::int32_t>(std::lround(2147483647.0 * value));
        std::memcpy(out, &s, sizeof s);
        break;
    }
    case QAudioFormat::Float: {
        const auto s = static_cast<float>(value);
        std::memcpy(out, &s, sizeof s);
        break;
    }
    default:
        break;
    }
}

#ifdef Q_OS_WIN

class WindowsNotifySound : public NotifySound {
public:
    void play(const std::string& soundfile) override { PlaySoundA(soundfile.c_str(), nullptr, 0); }
};

#else

class ChimeNotifySound : public NotifySound {
public:
    void play(const std::string&) override {
        if (QMediaDevices::audioOutputs().isEmpty()) {
            return;
        }
        QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            device = QMediaDevices::audioOutputs().first();
        }
        QAudioFormat format;
        format.setSampleRate(22050);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) {
            format = device.preferredFormat();
        }
        QByteArray samples = synthesiseChime(format);
        if (samples.isEmpty()) {
            return;
        }
        QBuffer buffer(&samples);
        buffer.open(QIODevice::ReadOnly);

        QAudioSink sink(device, format);
        QEventLoop loop;
        QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&loop](QAudio::State state) {
            if (state == QAudio::IdleState || state == QAudio::StoppedState) {
                loop.quit();
            }
        });
        // An output may never report the end: the window waits no longer than this.
        QTimer::singleShot(kChimeMs + 1500, &loop, &QEventLoop::quit);
        sink.start(&buffer);
        if (sink.error() == QAudio::NoError && sink.state() == QAudio::ActiveState) {
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        sink.stop();
    }
};

#endif

QtMessageHandler g_beforeQuiet = nullptr;

bool fromSoundBackEnd(const QMessageLogContext& context, const QString& message) {
    const QLatin1StringView category(context.category != nullptr ? context.category : "");
    return category.startsWith(QLatin1StringView("qt.multimedia")) ||
           message.startsWith(QLatin1StringView("PulseAudioService:"));
}

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg && fromSoundBackEnd(context, message)) {
        return;
    }
    g_beforeQuiet(type, context, message);
}

} // namespace

bool quietSoundBackEnd() {
    if (qEnvironmentVariableIsSet("QT_LOGGING_RULES")) {
        return false;
    }
    if (g_beforeQuiet == nullptr) {
        g_beforeQuiet = qInstallMessageHandler(quietHandler);
    }
    return true;
}

QByteArray synthesiseChime(const QAudioFormat& format) {
    const int bytes = format.bytesPerSample();
    const int channels = format.channelCount();
    const int rate = format.sampleRate();
    if (!format.isValid() || bytes <= 0 || channels <= 0 || rate <= 0) {
        return {};
    }
    const qsizetype frames = qsizetype(rate) * kChimeMs / 1000;
    QByteArray samples(frames * channels * bytes, '\0');
    char* out = samples.data();
    for (qsizetype i = 0; i < frames; ++i) {
        const double value = chimeAt(1000.0 * double(i) / rate);
        for (int c = 0; c < channels; ++c) {
            writeSample(out, format.sampleFormat(), value);
            out += bytes;
        }
    }
    return samples;
}

std::unique_ptr<NotifySound> makeSystemNotifySound() {
#ifdef Q_OS_WIN
    return std::make_unique<WindowsNotifySound>();
#else
    return std::make_unique<ChimeNotifySound>();
#endif
}

} // namespace veltaro::ui

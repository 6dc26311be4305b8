// The chime played after the version box where no Windows sound exists, and the
// player's promise to return within about 2 s whatever the audio hardware does.
#include "ui/notifysound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QTest>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using veltaro::ui::kChimeMs;
using veltaro::ui::synthesiseChime;

namespace {

QAudioFormat formatOf(int rate, int channels, QAudioFormat::SampleFormat sample) {
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleFormat(sample);
    return format;
}

/// Channel 0 of the samples as values of full scale 1.
std::vector<double> firstChannel(const QByteArray& data, const QAudioFormat& format) {
    std::vector<double> values;
    const int step = format.bytesPerFrame();
    for (qsizetype at = 0; at + step <= data.size(); at += step) {
        const char* p = data.constData() + at;
        switch (format.sampleFormat()) {
        case QAudioFormat::UInt8:
            values.push_back((static_cast<std::uint8_t>(*p) - 128) / 127.0);
            break;
        case QAudioFormat::Int16: {
            std::int16_t s;
            std::memcpy(&s, p, sizeof s);
            values.push_back(s / 32767.0);
            break;
        }
        case QAudioFormat::Int32: {
            std::int32_t s;
            std::memcpy(&s, p, sizeof s);
            values.push_back(s / 2147483647.0);
            break;
        }
        case QAudioFormat::Float: {
            float s;
            std::memcpy(&s, p, sizeof s);
            values.push_back(s);
            break;
        }
        default:
            break;
        }
    }
    return values;
}

} // namespace

class TestChime : public QObject {
    Q_OBJECT
private slots:
    void samples_data();
    void samples();
    void invalidFormatGivesNothing();
    void playerWithoutAnOutputReturns();
    void soundBackEndIsQuietUnlessAskedFor();
};

void TestChime::samples_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("sample");
    QTest::newRow("22050 Hz mono 16-bit") << 22050 << 1 << int(QAudioFormat::Int16);
    QTest::newRow("48000 Hz stereo float") << 48000 << 2 << int(QAudioFormat::Float);
    QTest::newRow("44100 Hz stereo 32-bit") << 44100 << 2 << int(QAudioFormat::Int32);
    QTest::newRow("8000 Hz mono 8-bit") << 8000 << 1 << int(QAudioFormat::UInt8);
}

void TestChime::samples() {
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, sample);
    const QAudioFormat format =
        formatOf(rate, channels, static_cast<QAudioFormat::SampleFormat>(sample));
    const QByteArray data = synthesiseChime(format);

    const qsizetype frames = qsizetype(rate) * kChimeMs / 1000;
    QCOMPARE(data.size(), frames * format.bytesPerFrame());

    // Every channel carries the same signal.
    if (channels == 2) {
        const int bytes = format.bytesPerSample();
        for (qsizetype at = 0; at < data.size(); at += 2 * bytes) {
            QVERIFY(std::memcmp(data.constData() + at, data.constData() + at + bytes, bytes) == 0);
        }
    }

    const std::vector<double> values = firstChannel(data, format);
    double peak = 0;
    for (double v : values) {
        peak = std::max(peak, std::abs(v));
    }
    // Audible, but well clear of clipping.
    QVERIFY2(peak > 0.1 && peak <= 0.35, qPrintable(QString::number(peak)));
    // Starts and ends in silence, so it does not click.
    const double quantum = sample == int(QAudioFormat::UInt8) ? 1.5 / 127 : 1e-3;
    QVERIFY(std::abs(values.front()) <= quantum);
    QVERIFY(std::abs(values.back()) <= 0.02);
}

void TestChime::invalidFormatGivesNothing() {
    QVERIFY(synthesiseChime(QAudioFormat()).isEmpty());
    QVERIFY(synthesiseChime(formatOf(0, 1, QAudioFormat::Int16)).isEmpty());
}

void TestChime::playerWithoutAnOutputReturns() {
    // Where no audio output exists the player returns at once, without waiting
    // for a sound that never ends (a hang is ended by the test's time limit).
    QVERIFY(QMediaDevices::audioOutputs().isEmpty());
    auto player = veltaro::ui::makeSystemNotifySound();
    player->play(std::string(veltaro::ui::kVersionBoxSound));
}

namespace {
QStringList g_seen;
void collect(QtMsgType, const QMessageLogContext&, const QString& message) {
    g_seen << message;
}
} // namespace

void TestChime::soundBackEndIsQuietUnlessAskedFor() {
    const QtMessageHandler before = qInstallMessageHandler(collect);
    // A category of the back end's that writes warnings, whatever rules the test runs with.
    QLoggingCategory backEnd("qt.multimedia.test");
    backEnd.setEnabled(QtWarningMsg, true);
    const auto emitAll = [&backEnd] {
        g_seen.clear();
        qWarning("PulseAudioService: pa_context_connect() failed");
        QMessageLogger(__FILE__, __LINE__, nullptr).warning(backEnd, "no output");
        qWarning("something else");
        return g_seen.size();
    };
    // Rules set by the user (this test runs with some): every message is shown.
    QVERIFY(qEnvironmentVariableIsSet("QT_LOGGING_RULES"));
    QVERIFY(!veltaro::ui::quietSoundBackEnd());
    QCOMPARE(emitAll(), 3);
    // No rules: only the other message is shown.
    qunsetenv("QT_LOGGING_RULES");
    QVERIFY(veltaro::ui::quietSoundBackEnd());
    QCOMPARE(emitAll(), 1);
    QCOMPARE(g_seen.front(), QStringLiteral("something else"));
    qInstallMessageHandler(before);
}

QTEST_MAIN(TestChime)
#include "tst_chime.moc"

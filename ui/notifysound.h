#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <memory>
#include <string>
#include <string_view>

namespace veltaro::ui {

/// The wave file the version box plays once it has been closed: the classic
/// system notification, the file notify.wav of the folder c:\windows\media\.
inline constexpr std::string_view kVersionBoxSound = "c:\\windows\\media\\notify.wav";

/// The notification sound played after the version box has been closed.
class NotifySound {
public:
    virtual ~NotifySound() = default;
    /// Plays the sound named `soundfile` and returns when it has ended.
    virtual void play(const std::string& soundfile) = 0;
};

/// The platform's player. On Windows the wave file is played with PlaySoundA
/// (synchronous, looked up as a system sound name first, then as a file). Other
/// systems have no such file: they play the program's own short chime on the
/// default audio output, waiting for it to end, but never longer than the
/// chime plus 1.5 s (an output can fail to report the end); with no audio
/// output at all they return at once, silently.
std::unique_ptr<NotifySound> makeSystemNotifySound();

/// Keeps the sound back end's complaints off standard error.
///
/// Where no sound server runs, the first look for an audio output makes Qt's
/// PulseAudio back end print "PulseAudioService: pa_context_connect() failed",
/// and other back ends write warnings of the qt.multimedia categories; none of
/// them tells the user anything (the program simply stays silent). From this
/// call on such messages are dropped and every other message passes on to the
/// handler installed before. A user who sets QT_LOGGING_RULES has asked to see
/// what Qt logs: then nothing is installed and false is returned. Calling it
/// again changes nothing.
bool quietSoundBackEnd();

/// Length of the chime [milliseconds].
inline constexpr int kChimeMs = 350;

/// The chime as raw samples in `format` (any channel count; unsigned 8-bit,
/// signed 16-bit, signed 32-bit or float samples): two short bell tones, a sixth
/// apart, each starting softly and dying away to silence by its end. An invalid
/// format gives no samples.
QByteArray synthesiseChime(const QAudioFormat& format);

} // namespace veltaro::ui

#include "toolkit/alsa/tone.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <numbers>
#include <thread>

namespace toolkit {
namespace {

constexpr unsigned kSampleRate = 48000;
constexpr unsigned kLatencyMicroseconds = 50000;
constexpr double kAmplitude = 0.5 * 32767.0;
// Short linear ramps at both ends keep the tone free of clicks; they shorten nothing.
constexpr double kRampSeconds = 0.003;
constexpr std::size_t kChunkFrames = 1024;

using Clock = std::chrono::steady_clock;

// ALSA reports a missing card or an unknown device on stderr before snd_pcm_open returns its
// error; the program has no terminal messages, so the library's handler is replaced by a silent
// one, once for the whole process.
extern "C" void silentAlsaErrorHandler(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsaErrors() {
  static std::once_flag once;
  std::call_once(once, [] { snd_lib_error_set_handler(silentAlsaErrorHandler); });
}

// Closes the PCM on every path out of playOnDevice.
struct PcmCloser {
  snd_pcm_t* pcm = nullptr;
  ~PcmCloser() {
    if (pcm != nullptr) snd_pcm_close(pcm);
  }
};

/// Sample `index` of a sine of `hertz` lasting `totalFrames`, ramped in and out.
std::int16_t sampleAt(std::size_t index, std::size_t totalFrames, int hertz) {
  const double t = static_cast<double>(index) / kSampleRate;
  const double remaining = static_cast<double>(totalFrames - index) / kSampleRate;
  const double ramp = std::min({1.0, t / kRampSeconds, remaining / kRampSeconds});
  const double value = kAmplitude * ramp * std::sin(2.0 * std::numbers::pi * hertz * t);
  return static_cast<std::int16_t>(std::lround(value));
}

/// Writes `frames` frames to the PCM, recovering from under-runs. False when the device fails
/// for good.
bool writeAll(snd_pcm_t* pcm, const std::int16_t* data, std::size_t frames) {
  while (frames > 0) {
    const snd_pcm_sframes_t written = snd_pcm_writei(pcm, data, frames);
    if (written < 0) {
      if (snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0) return false;
      continue;
    }
    data += written;
    frames -= static_cast<std::size_t>(written);
  }
  return true;
}

/// Plays the tone on the default device and waits until it has drained. False when no device
/// could be opened or set up, or it failed on the way.
bool playOnDevice(int hertz, int milliseconds) {
  PcmCloser closer;
  // Opened non-blocking so that a busy device fails at once instead of stalling the window;
  // the writes themselves block.
  if (snd_pcm_open(&closer.pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
    closer.pcm = nullptr;
    return false;
  }
  if (snd_pcm_nonblock(closer.pcm, 0) < 0) return false;
  if (snd_pcm_set_params(closer.pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                         kSampleRate, 1, kLatencyMicroseconds) < 0) {
    return false;
  }

  const auto totalFrames =
      static_cast<std::size_t>(static_cast<std::uint64_t>(milliseconds) * kSampleRate / 1000);
  // Frequencies at or above the Nyquist limit cannot be played; the slot stays silent.
  const bool audible = hertz > 0 && static_cast<unsigned>(hertz) < kSampleRate / 2;
  std::array<std::int16_t, kChunkFrames> chunk{};
  for (std::size_t first = 0; first < totalFrames; first += kChunkFrames) {
    const std::size_t count = std::min(kChunkFrames, totalFrames - first);
    for (std::size_t i = 0; i < count; ++i) {
      chunk[i] = audible ? sampleAt(first + i, totalFrames, hertz) : std::int16_t{0};
    }
    if (!writeAll(closer.pcm, chunk.data(), count)) return false;
  }
  return snd_pcm_drain(closer.pcm) >= 0;
}

}  // namespace

void playTone(int hertz, int milliseconds) {
  if (milliseconds <= 0) return;
  silenceAlsaErrors();
  const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
  playOnDevice(hertz, milliseconds);
  // The tone never ends before its time: without a device, with a failing one, or with one that
  // consumes faster than real time, the rest of the duration passes in silence.
  std::this_thread::sleep_until(end);
}

}  // namespace toolkit

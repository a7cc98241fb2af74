// The tone on ALSA, captured through a file PCM that an ALSA configuration of the test's own
// points "default" at, and measured from the captured samples.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/alsa/tone.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Capture {
  unsigned sampleRate = 0;
  std::vector<std::int16_t> samples;  // mono
};

std::uint32_t readLe(const std::vector<char>& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

/// Reads a 16-bit mono WAV file as the file PCM writes it; empty when it is not one.
std::optional<Capture> readWav(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    return std::nullopt;
  }
  Capture capture;
  bool mono16 = false;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string id(bytes.data() + at, 4);
    const std::size_t size = readLe(bytes, at + 4, 4);
    const std::size_t body = at + 8;
    if (id == "fmt " && body + 16 <= bytes.size()) {
      mono16 = readLe(bytes, body, 2) == 1 && readLe(bytes, body + 2, 2) == 1 &&
               readLe(bytes, body + 14, 2) == 16;
      capture.sampleRate = readLe(bytes, body + 4, 4);
    } else if (id == "data") {
      // The length field may still be 0 if the writer did not patch it; take the rest then.
      const std::size_t end = size == 0 ? bytes.size() : std::min(bytes.size(), body + size);
      for (std::size_t i = body; i + 1 < end; i += 2) {
        capture.samples.push_back(static_cast<std::int16_t>(readLe(bytes, i, 2)));
      }
      break;
    }
    at = body + size + (size & 1U);
  }
  if (!mono16 || capture.sampleRate == 0) return std::nullopt;
  return capture;
}

/// Frequency from the rising zero crossings, located between samples by interpolation.
double measuredHertz(const Capture& capture) {
  const auto& s = capture.samples;
  std::vector<double> crossings;
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (s[i - 1] < 0 && s[i] >= 0) {
      const double fraction = -static_cast<double>(s[i - 1]) / (s[i] - s[i - 1]);
      crossings.push_back(static_cast<double>(i - 1) + fraction);
    }
  }
  if (crossings.size() < 2) return 0.0;
  const double span = (crossings.back() - crossings.front()) / capture.sampleRate;
  return static_cast<double>(crossings.size() - 1) / span;
}

int peak(const Capture& capture) {
  int highest = 0;
  for (const std::int16_t v : capture.samples) highest = std::max(highest, std::abs(int{v}));
  return highest;
}

/// Points ALSA at a configuration of the test's own for the test's lifetime.
class ToneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tone-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    unsetenv("ALSA_CONFIG_PATH");
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  void useAlsaConfig(const std::string& text) {
    const fs::path config = dir_ / "asoundrc";
    std::ofstream(config) << text;
    setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
  }

  /// Runs playTone and returns the wall time it took, in milliseconds.
  static double timedTone(int hertz, int milliseconds) {
    const auto start = Clock::now();
    toolkit::playTone(hertz, milliseconds);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  }

  fs::path dir_;
};

struct ToneCase {
  const char* name;
  int hertz;
  int milliseconds;
};

class ToneCaptureTest : public ToneTest, public ::testing::WithParamInterface<ToneCase> {};

TEST_P(ToneCaptureTest, PlaysTheFrequencyForTheDuration) {
  const ToneCase& c = GetParam();
  const fs::path wav = dir_ / "tone.wav";
  useAlsaConfig("pcm.!default {\n  type file\n  slave.pcm { type null }\n  file \"" + wav.string() +
                "\"\n  format \"wav\"\n}\n");

  const double elapsed = timedTone(c.hertz, c.milliseconds);

  const std::optional<Capture> capture = readWav(wav);
  ASSERT_TRUE(capture.has_value()) << "no 16-bit mono WAV captured at " << wav;
  const double seconds = static_cast<double>(capture->samples.size()) / capture->sampleRate;
  EXPECT_NEAR(seconds * 1000.0, c.milliseconds, c.milliseconds * 0.02);
  EXPECT_NEAR(measuredHertz(*capture), c.hertz, c.hertz * 0.02);
  EXPECT_GT(peak(*capture), 1000) << "the tone is (nearly) silent";
  // The tone returns only once it has ended, even on a device that takes data faster.
  EXPECT_GE(elapsed, c.milliseconds);
}

INSTANTIATE_TEST_SUITE_P(Tones, ToneCaptureTest,
                         ::testing::Values(ToneCase{"Countdown2000Hz400ms", 2000, 400},
                                           ToneCase{"Closing2200Hz700ms", 2200, 700},
                                           ToneCase{"Low440Hz100ms", 440, 100}),
                         [](const auto& param) { return std::string(param.param.name); });

struct NoDeviceCase {
  const char* name;
  const char* config;
};

class ToneWithoutDeviceTest : public ToneTest,
                              public ::testing::WithParamInterface<NoDeviceCase> {};

TEST_P(ToneWithoutDeviceTest, WaitsSilentlyForTheDuration) {
  useAlsaConfig(GetParam().config);

  ::testing::internal::CaptureStderr();
  ::testing::internal::CaptureStdout();
  const double elapsed = timedTone(2000, 300);
  const std::string out = ::testing::internal::GetCapturedStdout();
  const std::string err = ::testing::internal::GetCapturedStderr();

  EXPECT_EQ(err, "");
  EXPECT_EQ(out, "");
  EXPECT_GE(elapsed, 300.0);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, ToneWithoutDeviceTest,
    ::testing::Values(NoDeviceCase{"MissingCard", "pcm.!default { type hw card 99 }\n"},
                      NoDeviceCase{"NoDefaultDevice", "# nothing defined\n"},
                      NoDeviceCase{"UnwritableCaptureFile",
                                   "pcm.!default { type file slave.pcm { type null } "
                                   "file \"/nonexistent-dir/tone.raw\" }\n"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ToneTest, NonPositiveDurationReturnsAtOnceWithoutSound) {
  const fs::path wav = dir_ / "tone.wav";
  useAlsaConfig("pcm.!default { type file slave.pcm { type null } file \"" + wav.string() +
                "\" format \"wav\" }\n");
  toolkit::playTone(2000, 0);
  toolkit::playTone(2000, -50);
  EXPECT_FALSE(fs::exists(wav));
}

}  // namespace

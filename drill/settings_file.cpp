// admin.ini: the learner's last choices, one section of decimal values. Reads that fail count
// as missing keys; writes that fail are ignored, and never leave a damaged file behind, since
// every write replaces the whole file atomically.

#include "drill/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "drill/drill.h"
#include "drill/gbk.h"
#include "drill/ini_text.h"

namespace drill {

namespace {

constexpr std::string_view kSection = "\xCF\xB5\xCD\xB3\xC5\xE4\xD6\xC3";  // "系统配置"
constexpr std::string_view kFileName = "/admin.ini";

// The reader's buffer holds 10240 bytes with the terminating zero: a longer value is cut.
constexpr std::size_t kMaxValueBytes = 10239;

std::optional<std::string> directoryOverride;

/// Closes the descriptor it holds.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  /// Closes now and reports whether the close succeeded (a late write error shows here).
  bool close() {
    const int fd = std::exchange(fd_, -1);
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

/// Leading bytes of value 32 or below do not belong to a path, section or key name.
std::string_view skipLeadingControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32) text.remove_prefix(1);
  return text;
}

/// Cuts a value to the reader's buffer, never in the middle of a GBK character.
std::string cappedValue(std::string_view value) {
  if (value.size() <= kMaxValueBytes) return std::string(value);
  std::size_t end = 0;
  while (end < kMaxValueBytes) {
    const std::size_t length = gbk::charLength(value, end);
    if (end + length > kMaxValueBytes) break;
    end += length;
  }
  return std::string(value.substr(0, end));
}

enum class ReadOutcome { Read, Missing, Failed };

/// The whole file; Missing when it does not exist, Failed for any other error.
ReadOutcome readWholeFile(const std::string& path, std::string& content) {
  content.clear();
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
  char buffer[8192];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got == 0) return ReadOutcome::Read;
    if (got < 0) {
      if (errno == EINTR) continue;
      return ReadOutcome::Failed;
    }
    content.append(buffer, static_cast<std::size_t>(got));
  }
}

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t put = ::write(fd, data.data(), data.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

std::string directoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

/// Replaces the file at `path` by `content`: a temporary file in the same directory is
/// written, flushed to the disk and renamed over the old file, so that the old file stays
/// whole until the new one is complete. The new file keeps the old file's permissions.
bool replaceFileAtomically(const std::string& path, std::string_view content) {
  const std::string directory = directoryOf(path);
  std::string temporary = path + ".XXXXXX";
  FileDescriptor file(::mkstemp(temporary.data()));
  if (file.get() < 0) return false;

  struct stat old {};
  mode_t mode = 0644;
  if (::stat(path.c_str(), &old) == 0) mode = old.st_mode & 07777;
  const bool written = ::fchmod(file.get(), mode) == 0 && writeAll(file.get(), content) &&
                       ::fsync(file.get()) == 0 && file.close() &&
                       ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!written) {
    ::unlink(temporary.c_str());
    return false;
  }
  // Makes the rename itself durable; the file is complete either way.
  FileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return true;
}

/// A key or value that would change the file's line structure, or a key that could not be read
/// back, is never written.
bool isWritable(std::string_view key, std::string_view value) {
  if (key.empty() || key.front() == '[' || key.front() == ';' || key.front() == '#') return false;
  if (key.find_first_of("=\r\n") != std::string_view::npos) return false;
  return value.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace

void setSettingsDirectory(std::optional<std::string> directory) {
  directoryOverride = std::move(directory);
}

std::string programDirectory() {
  std::string buffer(PATH_MAX, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return {};
  buffer.resize(static_cast<std::size_t>(length));
  return directoryOf(buffer);
}

std::string settingsFilePath() {
  std::string directory = directoryOverride ? *directoryOverride : programDirectory();
  while (!directory.empty() && directory.back() == '/') directory.pop_back();
  return directory + std::string(kFileName);
}

std::string readSetting(std::string_view key, std::optional<std::string_view> defaultValue) {
  const std::string fullPath = settingsFilePath();
  const std::string_view path = skipLeadingControls(fullPath);
  const std::string_view section = skipLeadingControls(kSection);
  key = skipLeadingControls(key);
  if (path.empty() || section.empty() || key.empty()) return {};

  const std::string fallback = defaultValue ? cappedValue(*defaultValue) : std::string();
  std::string content;
  if (readWholeFile(std::string(path), content) != ReadOutcome::Read) return fallback;
  const auto value = findIniValue(content, section, key);
  return value ? cappedValue(*value) : fallback;
}

void writeSetting(std::string_view key, std::string_view value) {
  const std::string fullPath = settingsFilePath();
  const std::string path(skipLeadingControls(fullPath));
  key = skipLeadingControls(key);
  if (path.empty() || !isWritable(key, value)) return;

  std::string content;
  const ReadOutcome outcome = readWholeFile(path, content);
  // A file that exists but cannot be read is left alone rather than replaced by one key.
  if (outcome == ReadOutcome::Failed) return;
  const std::string updated = setIniValue(content, kSection, key, value);
  if (outcome == ReadOutcome::Read && updated == content) return;
  replaceFileAtomically(path, updated);
}

}  // namespace drill

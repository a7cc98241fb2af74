#pragma once

// Where the settings file lives. The program keeps admin.ini in the directory of its own
// program file; tests point the settings at a directory of their own.

#include <optional>
#include <string>

namespace drill {

/// Replaces the program's directory as the home of admin.ini (for tests); nothing restores the
/// directory of the program file. The path is still built anew for every read and write.
void setSettingsDirectory(std::optional<std::string> directory);

/// The directory that holds the running program file (from /proc/self/exe), without a trailing
/// separator; empty when it cannot be found.
std::string programDirectory();

}  // namespace drill

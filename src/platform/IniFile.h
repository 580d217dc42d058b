// IniFile: a Windows-style profile file ("[Section]" lines and "Key=Value"
// lines) read and written one key at a time, as Chat.ini is. Section and key
// names are compared without regard to letter case and written plainly, blanks
// included; writing one key keeps every other line of the file as it was. A
// missing file, section or key reads as the caller's default.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace verdo {

class IniFile {
  public:
    explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // A value that is not a whole decimal number reads as the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Stored as an integer: 0 is false, any other number true.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Each write replaces the file safely (temporary file, then rename) and
    // reports false when the file could not be written. A file that exists
    // but cannot be read is never written over. A line break in a value is
    // stored as a blank, so a value can never add a key or a section.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInteger(std::string_view section, std::string_view key, int value);
    bool writeBool(std::string_view section, std::string_view key, bool value);

  private:
    std::filesystem::path path_;
};

// Where Chat.ini lives: "VerdoChat" under the user's configuration folder
// (created on demand), except in a portable set-up, where a Chat.ini already
// stands beside the program. A build tree is never a portable set-up: a
// Chat.ini that an older build left there is moved to the configuration folder
// once (unless one is there already). `configHome` is $XDG_CONFIG_HOME, or
// ~/.config when that is unset.
std::filesystem::path settingsFolder(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& configHome);
// $XDG_CONFIG_HOME when set and absolute, otherwise $HOME/.config.
std::filesystem::path userConfigHome();

}  // namespace verdo

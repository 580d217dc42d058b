// The installed-games store of a Wine prefix: the machine part of its registry
// (system.reg, Wine's text format: "[Key\\Name] time" sections and
// "Name"="value" lines) and its drive letters. Every call reads the file anew,
// because games are installed while the program runs; a write replaces the
// one value line safely and keeps every other line as it was.
//
// Wine reads system.reg when its server starts and writes it when it stops, so
// a change made while a Wine program runs is overwritten by that program's
// server; the launcher writes just before it starts a game, when normally no
// Wine server is running.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/InstalledGamesStore.h"

namespace verdo {

class WineRegistry : public InstalledGamesStore {
  public:
    explicit WineRegistry(std::filesystem::path prefix) : prefix_(std::move(prefix)) {}

    const std::filesystem::path& prefix() const { return prefix_; }
    std::filesystem::path registryFile() const { return prefix_ / "system.reg"; }

    std::optional<std::string> readString(std::string_view key, std::string_view name) override;
    // The file is rewritten safely in place: a symbolic link to it stays a
    // link, and the file keeps its permissions.
    StoreWrite writeString(std::string_view key, std::string_view name,
                           std::string_view value) override;
    // "wine" with the program's path inside the prefix.
    std::vector<std::string> startCommand(std::string_view windowsPath) override;

    // The same on the text of a registry file. Keys and names are compared
    // without regard to letter case (A to Z); a key under "Software\\" is also
    // looked for under "Software\\Wow6432Node\\", where a 64-bit prefix keeps
    // the keys of 32-bit programs. Text is 8-bit, Windows-1252 as the
    // program's own: characters the code page lacks read as "?".
    static std::optional<std::string> readFromText(std::string_view text, std::string_view key,
                                                   std::string_view name);
    // The whole text with the value replaced; nothing when the key or the
    // value does not exist (`refusal` then says Failed) or when the stored
    // string holds characters Windows-1252 lacks (Unrepresentable).
    static std::optional<std::string> replaceInText(std::string_view text, std::string_view key,
                                                    std::string_view name, std::string_view value,
                                                    StoreWrite* refusal = nullptr);

  private:
    std::filesystem::path prefix_;
};

// $WINEPREFIX when set and not empty, otherwise ~/.wine.
std::filesystem::path defaultWinePrefix();

// A Windows path ("c:\\program files\\Game\\game.exe") as a file inside the
// prefix: drive C is the prefix's drive_c (or its dosdevices link), other
// letters their dosdevices links. Each part takes the letter case of an
// existing file or folder that differs only in case, as Wine finds files.
// Paths without a drive letter are returned unchanged.
std::filesystem::path windowsPathInPrefix(const std::filesystem::path& prefix,
                                          std::string_view windowsPath);

}  // namespace verdo

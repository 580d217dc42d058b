// The store of installed programs and of the games' own settings: where the
// system records a game's program path and the games' server list. On Windows
// that is the registry under HKEY_LOCAL_MACHINE; here it is whatever the
// platform has (a Wine prefix). Keys and value names are the registry's.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verdo {

// What became of a write to the store.
enum class StoreWrite {
    Written,
    Failed,  // no such key or value, or the store could not be written
    // The stored string holds characters the program's 8-bit text cannot
    // hold: they were read as "?", so writing back what was read would
    // destroy them.
    Unrepresentable,
};

class InstalledGamesStore {
  public:
    virtual ~InstalledGamesStore() = default;

    // The string value `name` under `key` (a registry path such as
    // "Software\\Battle.net\\Configuration"); nothing when the key or the value
    // is missing or the value is not a string.
    virtual std::optional<std::string> readString(std::string_view key, std::string_view name) = 0;
    // Replaces the string value `name` under `key`; never creates a key or a
    // value.
    virtual StoreWrite writeString(std::string_view key, std::string_view name,
                                   std::string_view value) = 0;
    // The program and its arguments that start the program at `windowsPath`.
    virtual std::vector<std::string> startCommand(std::string_view windowsPath) = 0;
};

}  // namespace verdo

// ScriptStore: the data one script keeps across restarts, as a file of
// "key = value" lines with the escapes of the chat file's text form. A text is
// always written in double quotes; numbers and true/false are written bare, so
// that each value comes back with its type. Without a file the data lives in
// memory only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace verdo {

class ScriptStore {
  public:
    static constexpr std::size_t SizeLimit = 1u << 20;

    using Value = std::variant<std::string, std::int64_t, double, bool>;

    explicit ScriptStore(std::optional<std::filesystem::path> file = std::nullopt)
        : file_(std::move(file)) {}

    const std::optional<std::filesystem::path>& file() const { return file_; }

    // Reads the file, replacing what is held. Returns one message per line
    // that could not be read (the line is skipped) or the reason the file
    // could not be read at all; a missing file is no data, without a message.
    // A file with skipped lines is copied to "FILE.old" before it is first
    // written; a file that could not be read is never written over.
    std::vector<std::string> load();
    // Writes the data when it changed since the last write; returns the
    // reason of a failure, or nothing. A store without a file writes nothing.
    std::optional<std::string> save();

    // Sets (or with nothing, removes) a value; false, and nothing changed,
    // when the data would then take more than SizeLimit bytes in its file.
    bool store(const std::string& key, std::optional<Value> value);
    const Value* fetch(const std::string& key) const;
    // Every key, in byte order.
    std::vector<std::string> keys() const;

    bool changed() const { return changed_; }
    // The bytes the data takes in its file.
    std::size_t size() const { return size_; }
    // The whole file as it is written.
    std::string text() const;

    // One value as a file line writes it, and back.
    static std::string valueText(const Value& value);
    static std::optional<Value> parseValue(std::string_view raw);

  private:
    static std::string lineFor(const std::string& key, const Value& value);

    std::optional<std::filesystem::path> file_;
    std::map<std::string, Value> values_;
    std::size_t size_ = 0;
    bool changed_ = false;
    bool unreadable_ = false;  // the file is there but could not be read
    bool keepOld_ = false;     // lines were skipped: keep the file before writing it
};

}  // namespace verdo

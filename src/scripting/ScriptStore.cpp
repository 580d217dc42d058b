// A script's stored data (see ScriptStore.h).
#include "scripting/ScriptStore.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "engine/ChatFileText.h"
#include "platform/ReadFile.h"
#include "platform/SafeFile.h"

namespace verdo {
namespace {

constexpr std::string_view Header =
    "# Data kept by a VerdoChat bot script: \"key = value\" lines. Texts are in double\n"
    "# quotes with the escapes \\\\ \\\" \\t \\r \\n and \\xHH; numbers and true/false are bare.\n";

// A key as a line writes it: escaped like a value, and with "=" and a leading
// comment mark escaped too, so that the first "=" of a line always ends the key.
std::string keyText(const std::string& key) {
    const std::string quoted = ChatFileText::quote(key, key.empty());
    std::string out;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c == '=' || (i == 0 && (c == '#' || c == ';' || c == '[')))
            out += c == '=' ? "\\x3d" : c == '#' ? "\\x23" : c == ';' ? "\\x3b" : "\\x5b";
        else
            out += c;
    }
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::string ScriptStore::valueText(const Value& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return ChatFileText::quote(*text, true);
    if (const auto* integer = std::get_if<std::int64_t>(&value)) return std::to_string(*integer);
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "true" : "false";
    char out[32];
    std::snprintf(out, sizeof out, "%.17g", std::get<double>(value));
    std::string number = out;
    if (number.find_first_of(".eEn") == std::string::npos) number += ".0";
    return number;
}

std::optional<ScriptStore::Value> ScriptStore::parseValue(std::string_view raw) {
    raw = trimmed(raw);
    if (!raw.empty() && raw.front() == '"') {
        auto text = ChatFileText::unquote(raw);
        if (!text) return std::nullopt;
        return Value(std::move(*text));
    }
    if (raw == "true") return Value(true);
    if (raw == "false") return Value(false);
    std::int64_t integer = 0;
    const char* end = raw.data() + raw.size();
    if (auto [stop, error] = std::from_chars(raw.data(), end, integer);
        error == std::errc() && stop == end && !raw.empty())
        return Value(integer);
    double number = 0;
    if (auto [stop, error] = std::from_chars(raw.data(), end, number);
        error == std::errc() && stop == end && !raw.empty())
        return Value(number);
    // A bare word that a person wrote by hand is a text.
    auto text = ChatFileText::unquote(raw);
    if (!text) return std::nullopt;
    return Value(std::move(*text));
}

std::string ScriptStore::lineFor(const std::string& key, const Value& value) {
    return keyText(key) + " = " + valueText(value) + "\n";
}

std::vector<std::string> ScriptStore::load() {
    values_.clear();
    size_ = 0;
    changed_ = false;
    unreadable_ = false;
    keepOld_ = false;
    if (!file_) return {};
    std::string contents;
    switch (readRegularFile(*file_, contents)) {
        case ReadStatus::Missing:
            return {};
        case ReadStatus::Failed:
            unreadable_ = true;
            return {file_->filename().string() + " could not be read; it will not be written over"};
        case ReadStatus::Read:
            break;
    }
    std::vector<std::string> problems;
    std::string_view rest = contents;
    for (std::size_t number = 1; !rest.empty(); ++number) {
        const std::size_t stop = std::min(rest.find('\n'), rest.size());
        const std::string_view line = trimmed(rest.substr(0, stop));
        rest.remove_prefix(std::min(stop + 1, rest.size()));
        if (line.empty() || line.front() == '#' || line.front() == ';') continue;
        const std::size_t equals = line.find('=');
        const auto key = equals == std::string_view::npos
                             ? std::nullopt
                             : ChatFileText::unquote(line.substr(0, equals));
        const auto value = key ? parseValue(line.substr(equals + 1)) : std::nullopt;
        if (!value || !store(*key, *value)) {
            problems.push_back(file_->filename().string() + " line " + std::to_string(number) +
                               " skipped");
        }
    }
    changed_ = false;
    if (!problems.empty()) {
        keepOld_ = true;
        problems.push_back("the file as it was is kept in " + file_->filename().string() +
                           ".old when the data is next written");
    }
    return problems;
}

std::optional<std::string> ScriptStore::save() {
    if (!file_ || !changed_) return std::nullopt;
    if (unreadable_) {
        changed_ = false;
        return file_->filename().string() + " was not written: it could not be read at start";
    }
    std::error_code ignored;
    std::filesystem::create_directories(file_->parent_path(), ignored);
    if (keepOld_) {
        std::error_code error;
        std::filesystem::path old = *file_;
        old += ".old";
        std::filesystem::copy_file(*file_, old, std::filesystem::copy_options::overwrite_existing,
                                   error);
        if (error)
            return file_->filename().string() + " was not written: it could not be kept as " +
                   old.filename().string() + ": " + error.message();
        keepOld_ = false;
    }
    errno = 0;
    if (!writeFileSafely(*file_, text(), FileAccess::OwnerOnly)) {
        const int error = errno;
        return file_->filename().string() + " could not be written" +
               (error ? std::string(": ") + std::strerror(error) : std::string());
    }
    changed_ = false;
    return std::nullopt;
}

bool ScriptStore::store(const std::string& key, std::optional<Value> value) {
    const auto old = values_.find(key);
    const std::size_t oldSize = old == values_.end() ? 0 : lineFor(key, old->second).size();
    const std::size_t newSize = value ? lineFor(key, *value).size() : 0;
    if (newSize > oldSize && size_ - oldSize + newSize > SizeLimit) return false;
    size_ = size_ - oldSize + newSize;
    if (value)
        values_.insert_or_assign(key, std::move(*value));
    else if (old != values_.end())
        values_.erase(old);
    else
        return true;
    changed_ = true;
    return true;
}

const ScriptStore::Value* ScriptStore::fetch(const std::string& key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? nullptr : &found->second;
}

std::vector<std::string> ScriptStore::keys() const {
    std::vector<std::string> names;
    names.reserve(values_.size());
    for (const auto& [key, value] : values_)
        names.push_back(key);
    return names;
}

std::string ScriptStore::text() const {
    std::string out(Header);
    for (const auto& [key, value] : values_)
        out += lineFor(key, value);
    return out;
}

}  // namespace verdo

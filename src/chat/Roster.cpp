// The roster model: rows, marks, the count, and the icon rules.
#include "chat/Roster.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/AnsiText.h"

namespace verdo {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// FNV-1a over the name with A to Z lowered: equal names ignoring case give
// equal keys.
std::uint64_t nameKey(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : name) {
        const char lowered = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        hash ^= static_cast<unsigned char>(lowered);
        hash *= 1099511628211ull;
    }
    return hash;
}

// In the order the products are tried.
constexpr std::array<std::pair<std::string_view, int>, 9> ProductIcons = {{
    {"DRTL", UserIcon::Diablo},
    {"STAR", UserIcon::Starcraft},
    {"DSHR", UserIcon::DiabloShareware},
    {"SSHR", UserIcon::Shareware},
    {"CHAT", UserIcon::Chat},
    {"SEXP", UserIcon::BroodWar},
    {"W2BN", UserIcon::Warcraft},
    {"JSTR", UserIcon::StarcraftJapan},
    {VerdoProduct, UserIcon::Verdo},
}};

}  // namespace

std::uint32_t parseFlags(std::string_view text) {
    if (text.empty()) return 0;
    std::uint64_t value = 0;
    for (char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0) return 0;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull) return 0;  // does not fit: not a number
    }
    return static_cast<std::uint32_t>(value);
}

int productIcon(std::string_view product) {
    for (const auto& [code, icon] : ProductIcons) {
        if (product == code) return icon;
    }
    return UserIcon::None;
}

int chooseIcon(std::string_view product, std::uint32_t flags) {
    int icon = productIcon(product);
    if ((flags & FlagBlizzardRep) != 0) icon = UserIcon::Blizzard;
    if ((flags & FlagOperator) != 0) icon = UserIcon::Gavel;
    return icon;
}

std::string_view shownProduct(std::string_view user, std::string_view product) {
    return user == BuiltInUserName ? VerdoProduct : product;
}

std::string Roster::channelBoxText() const {
    return channelName_ + " (" + std::to_string(userCount_) + ")";
}

std::vector<std::string> Roster::names() const {
    std::vector<std::string> out;
    out.reserve(rows_.size());
    for (const RosterRow& r : rows_)
        out.push_back(r.name);
    return out;
}

std::optional<std::size_t> Roster::find(std::string_view user) const {
    const std::uint64_t key = nameKey(user);
    for (auto it = std::find(keys_.begin(), keys_.end(), key); it != keys_.end();
         it = std::find(it + 1, keys_.end(), key)) {
        const auto index = static_cast<std::size_t>(it - keys_.begin());
        if (equalsIgnoreCaseAZ(rows_[index].name, user)) return index;
    }
    return std::nullopt;
}

void Roster::startChannel() {
    clear();
    userCount_ = 0;
}

std::size_t Roster::add(std::string_view user, std::string_view product, std::uint32_t flags) {
    rows_.push_back(RosterRow{std::string(user), std::string(product), flags, UserIcon::None});
    squelchMarks_.push_back(false);
    keys_.push_back(nameKey(user));
    ++userCount_;
    SetUserIcon(rows_.size() - 1, product, flags);
    return rows_.size() - 1;
}

void Roster::removeAt(std::size_t index) {
    const auto offset = static_cast<std::ptrdiff_t>(index);
    rows_.erase(rows_.begin() + offset);
    squelchMarks_.erase(squelchMarks_.begin() + offset);
    keys_.erase(keys_.begin() + offset);
    --userCount_;
}

void Roster::updateFlags(std::size_t index, std::uint32_t flags) {
    rows_[index].flags = flags;
    squelchMarks_[index] = (flags & FlagSquelched) != 0;
    SetUserIcon(index, {}, flags);
}

void Roster::clear() {
    rows_.clear();
    squelchMarks_.clear();
    keys_.clear();
}

void Roster::SetUserIcon(std::size_t row, std::string_view product, std::uint32_t flags) {
    const int icon = chooseIcon(product, flags);
    if (icon != UserIcon::None) rows_[row].icon = icon;
}

}  // namespace verdo

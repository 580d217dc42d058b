// The channel roster without any widget: the users of the current channel in
// arrival order with their flags, product, icon and squelch mark, the channel's
// name and the counted number of users. The window paints it; the engine reads
// its names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chat/SessionEvents.h"

namespace verdo {

// The server's user flags that the roster reads (FlagOperator and
// FlagSquelched come with the session events).
inline constexpr std::uint32_t FlagBlizzardRep = 0x01;

// Indexes of the 20 user icon pictures. 0 is blank and means "no icon" on a row.
namespace UserIcon {
inline constexpr int None = 0;
inline constexpr int Chat = 1;
inline constexpr int Diablo = 2;
inline constexpr int Starcraft = 3;
inline constexpr int Gavel = 4;
inline constexpr int Shareware = 5;
inline constexpr int BroodWar = 6;
inline constexpr int Blizzard = 7;
inline constexpr int DiabloShareware = 8;
inline constexpr int Squelched = 9;
inline constexpr int Warcraft = 10;
inline constexpr int StarcraftJapan = 11;
inline constexpr int Verdo = 12;
inline constexpr int Count = 20;
}  // namespace UserIcon

// The product code shown for the program's own built-in user name.
inline constexpr std::string_view VerdoProduct = "VRDO";
// The built-in user name that always shows the program's own logo (compared
// with letter case).
inline constexpr std::string_view BuiltInUserName = "VerdoChat";

// The flags text read as a hexadecimal number; anything that is not one gives 0.
std::uint32_t parseFlags(std::string_view text);
// The product's picture, compared with letter case; UserIcon::None for others.
int productIcon(std::string_view product);
// The picture for a product and flags: operator beats representative, both beat
// the product; UserIcon::None when nothing applies.
int chooseIcon(std::string_view product, std::uint32_t flags);
// The product as shown for `user`: the built-in name always counts as VRDO.
std::string_view shownProduct(std::string_view user, std::string_view product);

struct RosterRow {
    std::string name;  // exactly as the server sent it
    std::string product;
    std::uint32_t flags = 0;
    int icon = UserIcon::None;
};

class Roster {
  public:
    const std::string& ChannelName() const { return channelName_; }
    int UserCount() const { return userCount_; }
    // The channel box: the name with the count as it stands.
    std::string channelBoxText() const;

    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    const RosterRow& row(std::size_t index) const { return rows_[index]; }
    // Index-aligned with the rows: true when the last flags update of the row
    // carried the squelched bit.
    const std::vector<bool>& SquelchMarks() const { return squelchMarks_; }
    std::vector<std::string> names() const;
    // The first row whose name equals `user`, letters A to Z without case.
    std::optional<std::size_t> find(std::string_view user) const;

    void setChannelName(std::string_view channel) { channelName_ = std::string(channel); }
    // A channel event empties the rows and marks and starts the count at 0.
    void startChannel();
    // Appends a row without icon and counts it in; then chooses its icon.
    // Returns the new row's index.
    std::size_t add(std::string_view user, std::string_view product, std::uint32_t flags);
    // Removes one row and its mark and counts it out.
    void removeAt(std::size_t index);
    // Sets the row's squelch mark and lets the flags change its icon (no
    // product is given here, so only the operator and representative bits can).
    void updateFlags(std::size_t index, std::uint32_t flags);
    // Rows and marks go; the name and the count stay (a disconnect).
    void clear();

    // Chooses the icon of one row; an empty choice leaves the icon as it is.
    void SetUserIcon(std::size_t row, std::string_view product, std::uint32_t flags);

  private:
    std::vector<RosterRow> rows_;
    std::vector<bool> squelchMarks_;
    // Hashes of the lower-cased names, index-aligned: leaves scan these first.
    std::vector<std::uint64_t> keys_;
    std::string channelName_;
    int userCount_ = 0;
};

}  // namespace verdo

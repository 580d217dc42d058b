// The numbers of the user list's pictures: what the roster chooses for a row
// and what the controls paint, so that neither needs the other.
#pragma once

namespace verdo {

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

}  // namespace verdo

// The popup menus' table and the double-click table (see UserPopups.h).
#include "chat/UserPopups.h"

#include <array>

#include "protocol/ProtocolLines.h"

namespace verdo {

namespace {

using P = UserPopup;
using U = UserAct;
using E = PopupEnabling;

constexpr UserPopupEntry Entries[] = {
    // popup, object name, caption, act, text, suffix, enabling, separator before
    {P::Roster, "mnCopy", "&Copy", U::Copy, nullptr, nullptr, E::RosterSelected, false},
    {P::Roster, "mnWhois", "&Whois", U::Send, WhoisPrefix, "", E::RosterSelected, true},
    {P::Roster, "mnSCStats", "S&tarcraft Stats", U::Send, "/stats ", " star", E::RosterSelected,
     false},
    {P::Roster, "mnBWStats", "B&roodwar Stats", U::Send, "/stats ", " sexp", E::RosterSelected,
     false},
    {P::Roster, "mnUserWar2Stats", "Warcra&ft Stats", U::Send, "/stats ", " w2bn",
     E::RosterSelected, false},
    {P::Roster, "mnUserInfo", "User &Information", U::UserInfo, nullptr, nullptr, E::Always, true},
    {P::Roster, "mnUserAccount", "Account I&nformation", U::AccountInfo, nullptr, nullptr,
     E::Always, false},
    {P::Roster, "mnUserSound", "&Play Sound", U::PlaySound, nullptr, nullptr, E::PlaySound, false},
    {P::Roster, "mnSquelch", "&Squelch", U::Send, SquelchPrefix, "", E::RosterSelected, true},
    {P::Roster, "mnUnsquelch", "&Unsquelch", U::Send, UnsquelchPrefix, "", E::RosterSelected,
     false},
    {P::Roster, "mnKick", "&Kick", U::Send, KickPrefix, "", E::RosterSelected, false},
    {P::Roster, "mnBan", "&Ban", U::Send, BanPrefix, "", E::RosterSelected, false},
    {P::Roster, "mnDesignate", "&Designate", U::Send, DesignatePrefix, "", E::RosterSelected,
     false},
    {P::Roster, "mnChatWindow", "C&hat Window", U::ChatWindow, nullptr, nullptr, E::RosterSelected,
     true},
    {P::Roster, "mnSendURL", "Send UR&L", U::SendUrl, nullptr, nullptr, E::RosterSelected, false},
    {P::Roster, "mnAddtoCustom", "&Add to Custom", U::AddToCustom, nullptr, nullptr,
     E::RosterSelected, true},

    {P::Custom, "mnDefCopy", "&Copy", U::Copy, nullptr, nullptr, E::CustomSelectedLoggedOn, false},
    {P::Custom, "mnDefWhois", "&Whois", U::Send, WhoisPrefix, "", E::CustomSelectedLoggedOn, true},
    {P::Custom, "mnDefStarcraftStats", "S&tarcraft Stats", U::Send, "/stats ", " star",
     E::CustomSelectedLoggedOn, false},
    {P::Custom, "mnDefBroodwarStats", "B&roodwar Stats", U::Send, "/stats ", " sexp",
     E::CustomSelectedLoggedOn, false},
    {P::Custom, "mnWar2stats", "Warcraft &Stats", U::Send, "/stats ", " w2bn",
     E::CustomSelectedLoggedOn, false},
    {P::Custom, "mnDefUserInformation", "User &Information", U::UserInfo, nullptr, nullptr,
     E::Always, true},
    {P::Custom, "mnDefChatWindow", "C&hat Window", U::ChatWindow, nullptr, nullptr,
     E::CustomSelectedLoggedOn, false},
    {P::Custom, "mnDefSendURL", "Send &URL", U::SendUrl, nullptr, nullptr,
     E::CustomSelectedLoggedOn, false},
    {P::Custom, "mnAdd", "&Add User...", U::AddUser, nullptr, nullptr, E::Always, true},
    {P::Custom, "mnDelete", "&Delete User", U::DeleteUser, nullptr, nullptr, E::Always, false},
    {P::Custom, "mnEditUser", "&Edit User", U::EditUser, nullptr, nullptr, E::Always, false},
    {P::Custom, "mnEditList", "Reorder &List", U::Reorder, nullptr, nullptr, E::Always, true},

    {P::ChatView, "mnUsers", "&Users", U::SendCommand, "/users", nullptr, E::Always, false},
    {P::ChatView, "mnTime", "&Time", U::SendCommand, "/time", nullptr, E::Always, false},
    {P::ChatView, "JoinChannel1", nullptr, U::WindowAction, "acJoin", nullptr, E::ByAction, true},
    {P::ChatView, "ListUsers1", nullptr, U::WindowAction, "acList", nullptr, E::ByAction, false},
    {P::ChatView, "Copy2", nullptr, U::WindowAction, "acCopy", nullptr, E::ByAction, true},
    {P::ChatView, "SelectAll2", nullptr, U::WindowAction, "acSelectAll", nullptr, E::ByAction,
     false},
    {P::ChatView, "mnRejoin", "&Rejoin", U::SendCommand, "/rejoin", nullptr, E::Always, true},
    {P::ChatView, "mnClear", "&Clear", U::Clear, nullptr, nullptr, E::Always, true},
    {P::ChatView, "mnSaveToFile", "&Save To File...", U::SaveToFile, nullptr, nullptr, E::Always,
     false},
};

// Settings 0 to 7 of "Double-Clicking a User Should:", for the roster and the
// custom list. The custom list has no squelch mark; setting 7 opens the
// account dialog, the nearest the popups offer.
constexpr std::array<std::array<UserDeed, 2>, 8> DoubleClicks = {{
    {{{U::SquelchToggle, nullptr, nullptr}, {U::Nothing, nullptr, nullptr}}},
    {{{U::Copy, nullptr, nullptr}, {U::Copy, nullptr, nullptr}}},
    {{{U::Send, WhoisPrefix, ""}, {U::Send, WhoisPrefix, ""}}},
    {{{U::Send, KickPrefix, ""}, {U::Send, KickPrefix, ""}}},
    {{{U::Send, BanPrefix, ""}, {U::Send, BanPrefix, ""}}},
    {{{U::ChatWindow, nullptr, nullptr}, {U::ChatWindow, nullptr, nullptr}}},
    {{{U::UserInfo, nullptr, nullptr}, {U::UserInfo, nullptr, nullptr}}},
    {{{U::AccountInfo, nullptr, nullptr}, {U::AccountInfo, nullptr, nullptr}}},
}};

}  // namespace

std::span<const UserPopupEntry> userPopupEntries() {
    return Entries;
}

bool popupEntryEnabled(const UserPopupEntry& entry, const PopupState& state) {
    switch (entry.enabling) {
        case PopupEnabling::RosterSelected:
            return state.rosterSelected;
        case PopupEnabling::CustomSelectedLoggedOn:
            return state.customSelected && state.loggedOn;
        case PopupEnabling::PlaySound:
            return state.loggedOn && state.soundsAvailable;
        case PopupEnabling::Always:
        case PopupEnabling::ByAction:
            break;
    }
    return true;
}

UserDeed doubleClickDeed(UserPopup list, int setting) {
    if (setting < 0 || setting >= static_cast<int>(DoubleClicks.size()) ||
        list == UserPopup::ChatView)
        return {};
    return DoubleClicks[static_cast<std::size_t>(setting)][list == UserPopup::Roster ? 0 : 1];
}

}  // namespace verdo

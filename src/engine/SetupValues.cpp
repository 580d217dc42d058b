// Storing the configuration dialog's working copies back.
#include "engine/SetupValues.h"

namespace verdo {

namespace {

// The lists the dialog edits; the others belong to the session meanwhile.
constexpr tStringList ChatLists::*EditedLists[] = {
    &ChatLists::ServerList,   &ChatLists::NameList,     &ChatLists::PasswordList,
    &ChatLists::HomeList,     &ChatLists::IntervalList, &ChatLists::TimerList,
    &ChatLists::CommandList,  &ChatLists::CommandLevel, &ChatLists::CommandRes,
    &ChatLists::PhraseList,   &ChatLists::WhisperList,  &ChatLists::BanList,
    &ChatLists::UserJoinList, &ChatLists::NoBanList,    &ChatLists::OwnerList,
    &ChatLists::MemberList,
};
constexpr tResponseLists ChatLists::*EditedResponses[] = {
    &ChatLists::PhraseRes,
    &ChatLists::WhiserRes,
    &ChatLists::UserRes,
};

}  // namespace

void SetupValues::storeTo(tOptions& target, ChatLists& targetLists) const {
    target.setPassword(options.password());
    target.setHomeChannel(options.homeChannel());
    target.setUserName(options.userName());

    target.setReciteDelay(options.reciteDelay());
    for (const SetupSwitch& option : SetupSwitches)
        (target.*option.set)((options.*option.get)());
    target.setUseDirectSound(false);
    target.setConnectionTimeout(options.connectionTimeout());
    target.setLoginTimeout(options.loginTimeout());
    target.setLogFileName(options.logFileName());
    target.setDoubleClickAction(options.doubleClickAction());
    target.setJoinResponse(options.joinResponse());
    for (tStringList ChatLists::*list : EditedLists)
        targetLists.*list = lists.*list;
    for (tResponseLists ChatLists::*responses : EditedResponses)
        targetLists.*responses = lists.*responses;
    targetLists.ProductActions = lists.ProductActions;
}

}  // namespace verdo

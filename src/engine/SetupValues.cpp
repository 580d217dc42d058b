// Storing the configuration dialog's working copies back.
#include "engine/SetupValues.h"

namespace verdo {

void SetupValues::storeTo(tOptions& target, ChatLists& targetLists) const {
    target.setPassword(options.password());
    target.setHomeChannel(options.homeChannel());
    target.setUserName(options.userName());

    targetLists.ServerList = lists.ServerList;
    targetLists.NameList = lists.NameList;
    targetLists.PasswordList = lists.PasswordList;
    targetLists.HomeList = lists.HomeList;
    targetLists.IntervalList = lists.IntervalList;
    targetLists.TimerList = lists.TimerList;
    targetLists.CommandList = lists.CommandList;
    targetLists.CommandLevel = lists.CommandLevel;
    targetLists.CommandRes = lists.CommandRes;

    target.setReciteDelay(options.reciteDelay());
    for (const SetupSwitch& option : SetupSwitches)
        (target.*option.set)((options.*option.get)());
    target.setUseDirectSound(false);
    target.setConnectionTimeout(options.connectionTimeout());
    target.setLoginTimeout(options.loginTimeout());
    target.setLogFileName(options.logFileName());
    target.setDoubleClickAction(options.doubleClickAction());
    target.setJoinResponse(options.joinResponse());
    targetLists.ProductActions = lists.ProductActions;

    targetLists.PhraseList = lists.PhraseList;
    targetLists.WhisperList = lists.WhisperList;
    targetLists.BanList = lists.BanList;
    targetLists.UserJoinList = lists.UserJoinList;
    targetLists.NoBanList = lists.NoBanList;
    targetLists.OwnerList = lists.OwnerList;
    targetLists.MemberList = lists.MemberList;
    targetLists.PhraseRes = lists.PhraseRes;
    targetLists.WhiserRes = lists.WhiserRes;
    targetLists.UserRes = lists.UserRes;
}

}  // namespace verdo

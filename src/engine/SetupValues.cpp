// Storing the configuration dialog's working copies back.
#include "engine/SetupValues.h"

#include "records/OptionFields.h"

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
    for (const OptionField& field : OptionFields::options()) {
        if (field.control.empty()) continue;
        if (field.kind == OptionKind::Flag)
            field.setOn(target.data(), field.isOn(options.data()));
        else
            field.store(target.data(), field.format(options.data()), OptionInput::Stored);
    }
    target.setUseDirectSound(false);
    for (tStringList ChatLists::*list : EditedLists)
        targetLists.*list = lists.*list;
    for (tResponseLists ChatLists::*responses : EditedResponses)
        targetLists.*responses = lists.*responses;
    targetLists.ProductActions = lists.ProductActions;
}

}  // namespace verdo

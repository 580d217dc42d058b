// tBaseInterpreter: the common base of the two interpreters that read lines from
// the connection and write lines to it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace verdo {

class TChatInterface;

// Event arguments are views into the line being decoded, valid for the duration
// of the call: decoding allocates nothing, and a handler copies what it keeps.
using tBaseEvent = std::function<void(std::string_view Mess)>;
using tUserEvent = std::function<void(std::string_view User)>;
using tTalkEvent = std::function<void(std::string_view User, std::string_view Mess)>;
using tUserFlagEvent = std::function<void(std::string_view User, std::string_view Flags)>;
using tUserTypeEvent =
    std::function<void(std::string_view User, std::string_view Flags, std::string_view UserType)>;

class tBaseInterpreter {
  public:
    virtual ~tBaseInterpreter() = default;

    TChatInterface* ChatInterface = nullptr;  // not owned

    // Event slots, in their order. A slot is raised only when it is set.
    tTalkEvent OnTalk;
    tTalkEvent OnWhisper;
    tTalkEvent OnWhisperSent;
    tUserTypeEvent OnShowUser;
    tBaseEvent OnInfo;
    tUserTypeEvent OnJoin;
    tUserTypeEvent OnLeave;
    tBaseEvent OnBroadcast;
    tBaseEvent OnChannel;
    tUserFlagEvent OnUserFlags;
    tBaseEvent OnChannelFull;
    tBaseEvent OnChanNotExist;
    tBaseEvent OnRestricted;
    tBaseEvent OnError;
    tTalkEvent OnEmote;
    tUserEvent OnUniqueName;
    tBaseEvent OnUnHandled;
    tBaseEvent OnData;
    // Receives code 2000; published by no interpreter and assigned by nobody.
    tBaseEvent OnCode2000;

    // Field extraction has no meaning for the base: calling it is a programming
    // error and throws std::logic_error.
    // Fields are views into `line`.
    virtual std::string_view ParseUser(std::string_view line) const;
    virtual std::string_view ParseMess(std::string_view line) const;
    virtual std::string_view ParseFlags(std::string_view line) const;
    virtual std::string_view ParseUserType(std::string_view line) const;
    virtual void Interpret(std::string_view line) = 0;
    virtual void SendLine(const std::string& text) = 0;
};

}  // namespace verdo

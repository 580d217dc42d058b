// tBaseInterpreter: the common base of the two interpreters that read lines from
// the connection and write lines to it.
#pragma once

#include <functional>
#include <string>

namespace verdo {

class TChatInterface;

using tBaseEvent = std::function<void(const std::string& Mess)>;
using tUserEvent = std::function<void(const std::string& User)>;
using tTalkEvent = std::function<void(const std::string& User, const std::string& Mess)>;
using tUserFlagEvent = std::function<void(const std::string& User, const std::string& Flags)>;
using tUserTypeEvent = std::function<void(const std::string& User, const std::string& Flags,
                                          const std::string& UserType)>;

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
    virtual std::string ParseUser(const std::string& line) const;
    virtual std::string ParseMess(const std::string& line) const;
    virtual std::string ParseFlags(const std::string& line) const;
    virtual std::string ParseUserType(const std::string& line) const;
    virtual void Interpret(const std::string& line) = 0;
    virtual void SendLine(const std::string& text) = 0;
};

}  // namespace verdo

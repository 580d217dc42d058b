// The decoders' routes (see DecoderRoutes.h).
#include "chat/DecoderRoutes.h"

#include <string>

#include "chat/IncomingMessages.h"
#include "chat/MessageTexts.h"
#include "chat/RosterEvents.h"
#include "chat/Session.h"

namespace verdo {

void routeDecoderEvents(Session& session, RosterEvents& roster, IncomingMessages& incoming) {
    TBnetChat& b = session.bcChat();
    Session* s = &session;
    RosterEvents* r = &roster;
    IncomingMessages* in = &incoming;
    b.OnInfo = [s](std::string_view m) { s->bcChatInfo(m); };
    b.OnError = [s](std::string_view m) { s->bcChatError(m); };
    b.OnUniqueName = [s](std::string_view name) { s->bcChatUniqueName(name); };
    b.OnUnHandled = [s](std::string_view line) { s->bcChatUnHandled(line); };
    b.OnNotDelivered = [s](std::string_view line) { s->bcChatNotDelivered(line); };
    b.OnLinesDropped = [s](int count) { s->bcChatLinesDropped(count); };
    b.OnChannel = [r](std::string_view channel) { r->bcChatChannel(channel); };
    b.OnShowUser = [r](std::string_view user, std::string_view flags, std::string_view product) {
        r->bcChatShowUser(user, flags, product);
    };
    b.OnJoin = [r](std::string_view user, std::string_view flags, std::string_view product) {
        r->bcChatJoin(user, flags, product);
    };
    b.OnLeave = [r](std::string_view user, std::string_view flags, std::string_view product) {
        r->bcChatLeave(user, flags, product);
    };
    b.OnUserFlags = [r](std::string_view user, std::string_view flags) {
        r->bcChatUserFlags(user, flags);
    };
    // Copies: the answers send lines, and what they raise must not reach the
    // decoder's line.
    b.OnTalk = [in](std::string_view u, std::string_view m) {
        in->bcChatTalk(std::string(u), std::string(m));
    };
    b.OnEmote = [in](std::string_view u, std::string_view m) {
        in->bcChatEmote(std::string(u), std::string(m));
    };
    b.OnWhisper = [in](std::string_view u, std::string_view m) {
        in->bcChatWhisper(std::string(u), std::string(m));
    };
    b.OnWhisperSent = [in](std::string_view u, std::string_view m) {
        in->bcChatWhisperSent(std::string(u), std::string(m));
    };
    b.OnBroadcast = [in](std::string_view m) { in->bcChatBroadcast(std::string(m)); };
    b.OnChannelFull = [in](std::string_view m) { in->channelRefused(texts::ChannelFull, m); };
    b.OnChanNotExist = [in](std::string_view m) {
        in->channelRefused(texts::ChannelDoesNotExist, m);
    };
    b.OnRestricted = [in](std::string_view m) { in->channelRefused(texts::ChannelRestricted, m); };
    session.tcChat().OnData = [in](std::string_view line) { in->tcChatData(line); };
}

}  // namespace verdo

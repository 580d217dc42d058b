// The session: the connection and its decoders, the log-on, the server's info
// and error lines, and the kick and ban notices. The connect loop
// (ConnectLoop) drives the connection through the steps below and hears back
// through ConnectionListener; received lines pass the pause before the decoder.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "chat/ChatLog.h"
#include "chat/ChatPause.h"
#include "chat/ConnectionListener.h"
#include "chat/EventScope.h"
#include "chat/LineSender.h"
#include "chat/ReceivedLines.h"
#include "chat/SessionEvents.h"
#include "chat/SessionView.h"
#include "chat/WindowControls.h"
#include "interp/BnetChat.h"
#include "interp/TextChat.h"
#include "net/ChatInterface.h"
#include "platform/Platform.h"

namespace verdo {

class ChatDocument;
class ChatFunctions;
class RosterEvents;

class Session : public LineSender, public ReceivedLines {
  public:
    Session(Platform& platform, SessionView& view, WindowControls& controls, EventScope& events,
            ChatDocument& document, ChatLog& log, RosterEvents& roster, ChatFunctions& engine,
            SessionEvents& stream, ChatPause& pause);
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    TChatInterface& ChatInterface() { return *chatInterface_; }
    const TChatInterface& ChatInterface() const { return *chatInterface_; }
    TBnetChat& bcChat() { return *bcChat_; }
    TTextChat& tcChat() { return *tcChat_; }  // the plain text dump

    bool LoggedOn() const override { return loggedOn_; }
    bool connected() const { return chatInterface_->Connected(); }
    const std::string& UniqueName() const override { return uniqueName_; }
    const std::string& CurrentServer() const { return currentServer_; }

    // Copies the log-on name and password into the decoder; done whenever a
    // chat file is loaded or the options are confirmed.
    void applyLogonOptions();
    void sendLine(std::string_view text, SendClass cls) override;
    void sendRaw(const std::string& bytes, SendClass cls) override;
    bool sendTimedLine(std::string_view text, int timerIndex) override;
    // The send queue was full and dropped automatic or timed lines.
    void bcChatLinesDropped(int count);
    void interpretLine(std::string_view line) override;

    // The connection's steps, taken by the connect loop.
    void setConnectionListener(ConnectionListener* listener) { listener_ = listener; }
    void connectTo(const std::string& server);
    void logOn();
    // Gives up the attempt in progress, so that two connections never overlap.
    void abandonAttempt();
    void cancelAttempt();
    // The loop was cancelled: whatever was reached goes.
    void dropConnection();
    // Ends the connection and empties the roster; userAsked: the user's gesture.
    void disconnect(bool userAsked);

    // The decoder's events this part owns.
    void bcChatInfo(std::string_view message);
    void bcChatError(std::string_view message);
    void bcChatUniqueName(std::string_view name);
    void bcChatUnHandled(std::string_view line);
    // A line the server refused every time it was sent: nothing goes silently.
    void bcChatNotDelivered(std::string_view line);

  private:
    void wireConnection();
    void ChatInterfaceConnect();
    void ChatInterfaceDataReceived(std::string_view line);
    void ChatInterfaceDisconnect();
    void ChatInterfaceSendError();
    void handleWelcome();
    // Who threw the program's user out, when the notice is one ("" when it
    // names nobody); nothing when it is not.
    std::optional<std::string_view> kickNotice(std::string_view message) const;
    std::optional<std::string_view> banNotice(std::string_view message) const;
    void publish(SessionEventKind kind, std::string_view text, std::string_view user = {});

    Platform& platform_;
    SessionView& view_;
    WindowControls& controls_;
    EventScope& events_;
    ChatDocument& document_;
    ChatLog& log_;
    RosterEvents& roster_;
    ChatFunctions& engine_;
    SessionEvents& stream_;
    ChatPause& pause_;
    ConnectionListener* listener_ = nullptr;
    std::unique_ptr<TChatInterface> chatInterface_;
    std::unique_ptr<TBnetChat> bcChat_;
    std::unique_ptr<TTextChat> tcChat_;

    bool loggedOn_ = false;
    bool greeting_ = false;       // the error lines right after a welcome greet
    bool hadConnection_ = false;  // a disconnect ends a connection, not an attempt
    bool disconnectAsked_ = false;
    std::string currentServer_;
    std::string uniqueName_;
};

}  // namespace verdo

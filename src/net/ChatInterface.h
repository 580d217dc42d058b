// TChatInterface: the program's one connection to a chat server. It connects,
// sends strings and the login script, cuts what arrives into lines and reports
// every step through events. It knows nothing of the chat protocol.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "net/LineSplitter.h"
#include "platform/TcpClient.h"

namespace verdo {

using tChatEvent = std::function<void()>;
// The line is a view valid for the duration of the call.
using tDataReceived = std::function<void(std::string_view DataString)>;
// The system's reason for a failed attempt ("Connection refused").
using tConnectFailed = std::function<void(std::string_view Reason)>;

class TChatInterface {
  public:
    explicit TChatInterface(std::unique_ptr<TcpClient> client);
    ~TChatInterface();
    TChatInterface(const TChatInterface&) = delete;
    TChatInterface& operator=(const TChatInterface&) = delete;

    // Properties.
    bool NoLineFeed() const { return splitter_.noLineFeed; }
    void setNoLineFeed(bool on) { splitter_.noLineFeed = on; }
    bool NoReturn() const { return splitter_.noReturn; }
    void setNoReturn(bool on) { splitter_.noReturn = on; }
    std::uint16_t Port = 0;
    std::string Address;
    std::vector<std::string> LoginScript;
    tChatEvent OnConnect;
    tChatEvent OnDisconnect;
    tChatEvent OnSendError;
    tDataReceived OnDataReceived;
    tChatEvent OnLogin;
    tChatEvent OnSocketError;
    bool Connected() const { return connected_; }
    tChatEvent OnConnectClosed;
    // The attempt failed (refused, unreachable, host not found); nothing is held.
    tConnectFailed OnConnectFailed;

    // A connection attempt is in progress. The owner clears it when it gives up
    // on an attempt, so it is writable from outside.
    bool Connecting = false;

    // Returns false only while an attempt is already in progress.
    bool Connect();
    void Disconnect();
    void CancelConnect();
    bool SendString(const std::string& text);
    bool SendLoginScript();

  private:
    enum class Socket { None, Open, ClosedByPeer };

    void handleConnected();
    void handleConnectFailed(std::string_view reason);
    void handleClosed();

    std::unique_ptr<TcpClient> client_;
    LineSplitter splitter_;
    Socket socket_ = Socket::None;
    bool connected_ = false;
};

}  // namespace verdo

// What the connection tells the connect loop: the steps that move the loop on.
// The session reports them; the loop decides what comes next.
#pragma once

#include <string_view>

namespace verdo {

class ConnectionListener {
  public:
    virtual ~ConnectionListener() = default;

    // The socket is up; the log-on has been sent.
    virtual void connected() = 0;
    // The system's reason, when it gave one.
    virtual void connectFailed(std::string_view reason) = 0;
    // The server's welcome arrived.
    virtual void loggedOn() = 0;
    // The server refused the account or password.
    virtual void logOnRefused() = 0;
    // The server closed the connection.
    virtual void connectionClosed() = 0;
    // A line could not be sent; wasLoggedOn: the session had logged on.
    virtual void sendFailed(bool wasLoggedOn) = 0;
};

}  // namespace verdo

// The TCP client service: one outgoing stream connection, driven by the event
// loop. Implementations report what happens through the On* callbacks, always on
// the event-loop thread and never from inside a call made by the owner.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace verdo {

class TcpClient {
  public:
    virtual ~TcpClient() = default;

    // Starts connecting; a host name is resolved without blocking. A host made
    // only of digits and full stops is an IPv4 address and never looked up by
    // name: when it is not a valid one the attempt fails. Any earlier
    // connection of this client is dropped first.
    virtual void connectToHost(const std::string& host, std::uint16_t port) = 0;
    // Hands bytes to the connection; returns how many were accepted (possibly
    // fewer than given), or -1 when the connection cannot take data.
    virtual std::int64_t send(std::string_view bytes) = 0;
    // Drops the connection (or the attempt) at once; raises nothing.
    virtual void close() = 0;

    std::function<void()> OnConnected;
    // The attempt failed: refused, unreachable, or the host name was not found.
    // `reason` is the system's own words ("Connection refused").
    std::function<void(std::string_view reason)> OnConnectFailed;
    std::function<void(std::string_view)> OnData;
    // The peer closed an established connection (or it broke).
    std::function<void()> OnClosed;
    // An error on an established connection other than an orderly close.
    std::function<void()> OnError;
};

}  // namespace verdo

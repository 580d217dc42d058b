// A scripted peer for the TCP client service: tests feed bytes, accept or refuse
// the connection, limit how much one send takes and read what was sent.
#pragma once

#include <cstdint>
#include <string>

#include "platform/TcpClient.h"

namespace verdo::testing {

class FakeTcpClient : public TcpClient {
  public:
    void connectToHost(const std::string& host, std::uint16_t port) override {
        if (open) ++closes;  // a live connection dropped by a new attempt
        lastHost = host;
        lastPort = port;
        ++connectCalls;
        open = true;
        established = false;
    }
    std::int64_t send(std::string_view bytes) override {
        if (!open || !established || failSends) return -1;
        const std::size_t take =
            maxPerSend > 0 && bytes.size() > maxPerSend ? maxPerSend : bytes.size();
        sent.append(bytes.substr(0, take));
        ++sendCalls;
        return static_cast<std::int64_t>(take);
    }
    void close() override {
        if (open) ++closes;
        open = false;
        established = false;
    }

    // Peer side.
    void accept() {
        established = true;
        if (OnConnected) OnConnected();
    }
    void refuse(std::string_view reason = "Connection refused") {
        open = false;
        if (OnConnectFailed) OnConnectFailed(reason);
    }
    void receive(std::string_view bytes) {
        if (OnData) OnData(bytes);
    }
    void peerClose() {
        established = false;
        if (OnClosed) OnClosed();
    }

    std::string lastHost;
    std::uint16_t lastPort = 0;
    int connectCalls = 0;
    int closes = 0;
    int sendCalls = 0;
    bool open = false;
    bool established = false;
    bool failSends = false;
    std::size_t maxPerSend = 0;  // 0: no limit
    std::string sent;
};

}  // namespace verdo::testing

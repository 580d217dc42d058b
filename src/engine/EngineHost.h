// EngineHost: what the automation engine needs from the main window. The main
// window implements it; tests implement it with a recording fake.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/ChatLists.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "protocol/SendClass.h"
#include "records/Options.h"

namespace verdo {

// One coloured part of a line in the main chat view (0x00BBGGRR).
struct EngineSegment {
    std::string text;
    std::uint32_t color = 0;
};

class EngineHost {
  public:
    virtual ~EngineHost() = default;

    // The paced sender; `text` already ends in the carriage return. The class
    // says who asked: a remote command's replies, or an automatic answer.
    virtual void SendLine(const std::string& text, SendClass cls) = 0;
    // Appends one line of one to three segments to the main chat view.
    virtual void addChatLine(const std::vector<EngineSegment>& segments) = 0;

    // Session state.
    virtual std::string UniqueName() const = 0;
    virtual std::string CurrentServer() const = 0;
    virtual std::string channelName() const = 0;
    virtual bool connected() const = 0;
    // The Connect action as a remote "<disconnect>" runs it: disconnects and
    // shows the action unchecked. Only called while connected.
    virtual void disconnectByCommand() = 0;

    // The channel roster, in list order.
    virtual std::size_t rosterCount() const = 0;
    virtual std::string rosterName(std::size_t index) const = 0;

    // The current chat file.
    virtual tOptions& options() = 0;
    virtual ChatLists& lists() = 0;
    virtual void setSettingsModified() = 0;
    // The "Response" / "Ignore" prefix of Chat.ini, read at start.
    virtual std::string ignorePrefix() const = 0;

    virtual Random& random() = 0;
    virtual Clock& clock() = 0;
};

}  // namespace verdo

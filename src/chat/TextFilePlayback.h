// TextFilePlayback: the session's text-file playback as the text-file window
// sees it (engine/TextPlayback). The window changes the playback the
// one-second timer runs; what it reports goes to the chat view.
#pragma once

#include "engine/TextPlayback.h"

namespace verdo {

class ChatDocument;
class Playback;
class SessionView;

class TextFilePlayback final : public TextPlayback {
  public:
    TextFilePlayback(Playback& playback, SessionView& view, const ChatDocument& document)
        : playback_(playback), view_(view), document_(document) {}

    std::string fileName() const override;
    std::string whisperTarget() const override;
    void setWhisperTarget(const std::string& user) override;
    bool loadFile(const std::string& path) override;
    bool running() const override;
    void setRunning(bool running) override;
    void rewind() override;
    void showInfo(const std::string& text) override;

  private:
    Playback& playback_;
    SessionView& view_;
    const ChatDocument& document_;
};

}  // namespace verdo

// Text-file playback: the lines of a text file sent one by one, every few
// seconds (the recite delay), to the channel or whispered to one user; the
// file and its user are kept in Chat.ini between runs.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "chat/LineSender.h"
#include "chat/SessionView.h"

namespace verdo {

class ChatDocument;

class Playback {
  public:
    Playback(SessionView& view, LineSender& sender, ChatDocument& document)
        : view_(view), sender_(sender), document_(document) {}

    // Loads the file and starts at its first line; the whisper target, when
    // not empty, receives every line.
    void startPlayback(const std::string& path, const std::string& whisperTarget);
    void stopPlayback() { running_ = false; }
    // The text-file window's controls: a new file from its first line (file
    // name and lines emptied when it cannot be read), the whisper target,
    // running or not (the next line is kept), back to the first line.
    bool loadFile(const std::string& path);
    void setBatchUser(const std::string& user) { batchUser_ = user; }
    void setRunning(bool running) { running_ = running; }
    void rewind() { line_ = 0; }
    // The playback file named in Chat.ini, loaded at start.
    void setBatch(const std::string& file, const std::string& user);
    void loadBatchAtStart();
    // New: the loaded lines go; the file name and the whisper target stay.
    void clearLines();
    // One second passed while logged on.
    void tick();

    bool running() const { return running_; }
    std::size_t line() const { return line_; }
    const std::vector<std::string>& lines() const { return lines_; }
    const std::string& batchFile() const { return batchFile_; }
    const std::string& batchUser() const { return batchUser_; }

  private:
    bool load(const std::string& path);

    SessionView& view_;
    LineSender& sender_;
    ChatDocument& document_;
    std::vector<std::string> lines_;
    std::string batchFile_;
    std::string batchUser_;
    bool running_ = false;
    std::size_t line_ = 0;
    int ticks_ = 0;
};

}  // namespace verdo

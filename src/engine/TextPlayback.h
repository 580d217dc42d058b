// What the text-file window needs from the text-file playback that the main
// window's one-second timer runs: the file, the whisper target, running or
// not, the next line, and a place to say what happened.
#pragma once

#include <string>

namespace verdo {

class TextPlayback {
  public:
    virtual ~TextPlayback() = default;

    virtual std::string fileName() const = 0;
    virtual std::string whisperTarget() const = 0;
    // Takes effect at the next line sent.
    virtual void setWhisperTarget(const std::string& user) = 0;
    // Loads the file's lines and starts again at the first. When the file
    // cannot be read, the file name and the lines are emptied instead and the
    // result is false.
    virtual bool loadFile(const std::string& path) = 0;
    virtual bool running() const = 0;
    // Starting keeps the next line, so a stopped playback resumes where it stopped.
    virtual void setRunning(bool running) = 0;
    // The next line to send becomes the first.
    virtual void rewind() = 0;
    // A status line in the chat view, in the information colour.
    virtual void showInfo(const std::string& text) = 0;
};

}  // namespace verdo

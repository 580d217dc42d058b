// The session's text-file playback for the text-file window (see TextFilePlayback.h).
#include "chat/TextFilePlayback.h"

#include "chat/ChatDocument.h"
#include "chat/Playback.h"

namespace verdo {

std::string TextFilePlayback::fileName() const {
    return playback_.batchFile();
}

std::string TextFilePlayback::whisperTarget() const {
    return playback_.batchUser();
}

void TextFilePlayback::setWhisperTarget(const std::string& user) {
    playback_.setBatchUser(user);
}

bool TextFilePlayback::loadFile(const std::string& path) {
    return playback_.loadFile(path);
}

bool TextFilePlayback::running() const {
    return playback_.running();
}

void TextFilePlayback::setRunning(bool running) {
    playback_.setRunning(running);
}

void TextFilePlayback::rewind() {
    playback_.rewind();
}

void TextFilePlayback::showInfo(const std::string& text) {
    addStatusLine(view_, text, document_.options().infoColor());
}

}  // namespace verdo

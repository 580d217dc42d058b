// Text-file playback (see Playback.h).
#include "chat/Playback.h"

#include "chat/ChatDocument.h"
#include "chat/DecimalText.h"
#include "chat/MessageTexts.h"
#include "engine/TextLines.h"
#include "platform/AnsiText.h"
#include "platform/ReadFile.h"
#include "protocol/ProtocolLines.h"

namespace verdo {

void Playback::tick() {
    const tOptions& options = document_.options();
    if (!running_ || ++ticks_ < options.reciteDelay()) return;
    ticks_ = 0;
    if (line_ >= lines_.size()) {
        running_ = false;
        line_ = 0;
        addStatusLine(view_, texts::TextFile + batchFile_ + texts::Done, options.infoColor());
        return;
    }
    std::string line = lines_[line_];
    if (startsWithIgnoreCaseAZ(line, "/repeat")) {
        line_ = 0;
        return;
    }
    if (!batchUser_.empty()) line = whisperLine(batchUser_, line);
    if (startsWithIgnoreCaseAZ(line, "/char ")) {
        // One bare character, without a carriage return.
        const int code = decimalOr(std::string_view(line).substr(6), 0);
        sender_.sendRaw(std::string(1, static_cast<char>(code)), SendClass::Playback);
    } else {
        sender_.sendLine(line, SendClass::Playback);
    }
    if (line.empty()) line = " ";
    if (line.front() != '/') {
        view_.addChatLine(
            ChatPane,
            ChatLine{ChatSegment{"<" + sender_.UniqueName() + "> ", options.yourNameColor()},
                     ChatSegment{line, options.yourTextColor()}, ChatSegment{}});
    }
    ++line_;
}

// A FIFO or a device named like the file is refused at once, never waited on.
bool Playback::load(const std::string& path) {
    std::string contents;
    if (readRegularFile(path, contents) != ReadStatus::Read) return false;
    lines_ = splitTextLines(contents);
    return true;
}

void Playback::setBatch(const std::string& file, const std::string& user) {
    batchFile_ = file;
    batchUser_ = user;
}

void Playback::loadBatchAtStart() {
    if (batchFile_.empty()) return;
    if (!load(batchFile_)) {
        view_.showMessage(texts::CouldNotOpenTextFile, MessageKind::Error);
        // The whisper target stays: it names a user, not the file.
        batchFile_.clear();
        lines_.clear();
        line_ = 0;
    }
}

bool Playback::loadFile(const std::string& path) {
    const bool loaded = load(path);
    if (!loaded) lines_.clear();
    batchFile_ = loaded ? path : std::string();
    line_ = 0;
    return loaded;
}

void Playback::clearLines() {
    lines_.clear();
    line_ = 0;
}

void Playback::startPlayback(const std::string& path, const std::string& whisperTarget) {
    if (!load(path)) {
        view_.showMessage(texts::CouldNotOpenTextFile, MessageKind::Error);
        return;
    }
    batchFile_ = path;
    batchUser_ = whisperTarget;
    line_ = 0;
    ticks_ = 0;
    running_ = true;
}

}  // namespace verdo

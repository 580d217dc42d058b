// A text-file playback that only records: what the text-file window set, and
// the status lines it asked for. A file loads when it exists.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/TextPlayback.h"

namespace verdo::testing {

class FakeTextPlayback : public TextPlayback {
  public:
    std::string file;
    std::string target;
    bool isRunning = false;
    int line = 0;
    std::vector<std::string> infos;

    std::string fileName() const override { return file; }
    std::string whisperTarget() const override { return target; }
    void setWhisperTarget(const std::string& user) override { target = user; }
    bool loadFile(const std::string& path) override {
        const bool ok = std::filesystem::is_regular_file(path);
        file = ok ? path : std::string();
        line = 0;
        return ok;
    }
    bool running() const override { return isRunning; }
    void setRunning(bool on) override { isRunning = on; }
    void rewind() override { line = 0; }
    void showInfo(const std::string& text) override { infos.push_back(text); }
};

}  // namespace verdo::testing

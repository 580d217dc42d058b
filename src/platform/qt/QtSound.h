// The sound service on QSoundEffect. Effects are kept per file, so a sound
// played again starts at once; with no audio output nothing is created at all.
#pragma once

#include <QSoundEffect>
#include <map>
#include <memory>
#include <string>

#include "platform/Sound.h"

namespace verdo {

class QtSound : public Sound {
  public:
    void play(const std::string& path) override;
    void stopAll() override;

  private:
    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
};

}  // namespace verdo

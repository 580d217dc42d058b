// The sound service: plays a wave file without waiting, and stops every sound
// it plays. A missing file or a machine without a sound device is silent,
// never an error.
#pragma once

#include <string>

namespace verdo {

class Sound {
  public:
    virtual ~Sound() = default;
    virtual void play(const std::string& path) = 0;
    virtual void stopAll() = 0;
};

}  // namespace verdo

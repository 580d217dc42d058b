// DeferredSound: a sound service whose real one is made when the first sound
// plays, so that the program starts without loading the sound code. When no
// real one can be made the program stays silent, as on a machine without a
// sound device, and says why once on its log.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Sound.h"

namespace verdo {

class DeferredSound : public Sound {
  public:
    // Makes the real service, or returns nothing and says why in `error`.
    using Make = std::function<std::unique_ptr<Sound>(std::string& error)>;

    explicit DeferredSound(Make make);

    void play(const std::string& path) override;
    void stopAll() override;

  private:
    Make make_;
    std::unique_ptr<Sound> sound_;
    bool tried_ = false;
};

}  // namespace verdo

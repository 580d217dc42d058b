// The program's Qt platform without the desktop: a service plays no sounds
// and opens no browser (Qt Gui's services need a display).
#pragma once

#include <functional>

#include "platform/qt/LoadingQtPlatform.h"

namespace verdo {

class HeadlessPlatform : public LoadingQtPlatform {
  public:
    // Where a link that cannot be opened is mentioned.
    std::function<void(const std::string&)> OnLinkNotOpened;

    Sound& sound() override { return silence_; }
    void openLink(const std::string& url) override {
        if (OnLinkNotOpened) OnLinkNotOpened(url);
    }

  private:
    class Silence : public Sound {
      public:
        void play(const std::string&) override {}
        void stopAll() override {}
    };
    Silence silence_;
};

}  // namespace verdo

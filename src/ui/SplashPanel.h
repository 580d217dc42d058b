// SplashPanel: the black "Loading..." panel `pnlSplash` the main window shows
// over its client area while a large chat file loads. It is painted before the
// load starts, and `AnimateStop` hides it once the start is done.
#pragma once

#include <QFrame>

namespace verdo {

class SplashPanel : public QFrame {
    Q_OBJECT

  public:
    explicit SplashPanel(QWidget* parent);

    // Centred in the parent (half the difference of the sizes, toward zero),
    // shown on top and painted at once.
    void showCentred();
    // The start is over: the panel goes.
    void AnimateStop() { hide(); }
};

}  // namespace verdo

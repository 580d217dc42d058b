// TfrmLaunch: the program launcher, a small window of six pictures, one per
// game or web page it starts. It is created at start and shown without
// blocking the main window; it only reports which picture was clicked, and
// the launcher logic (GameLauncher) does the starting.
#pragma once

#include <QDialog>
#include <QPixmap>

#include "engine/GameLauncher.h"

namespace verdo {

class TfrmLaunch : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmLaunch(QWidget* parent);

  signals:
    // A picture was clicked (or pressed with Space). The pictures are in the
    // order of launchTargets(), named imDiablo ... imBlizzard.
    void launchClicked(LaunchTarget target);
};

// The picture of one target, drawn at `size` pixels square.
QPixmap launchPicture(LaunchTarget target, int size);

}  // namespace verdo

// TfrmText: the modal "Text File Settings" window that chooses the text file
// to recite and the user to whisper it to, and starts, stops or rewinds the
// playback run by the main window's timer.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTimer;

namespace verdo {

class DialogHost;
class TextPlayback;

class TfrmText : public QDialog {
    Q_OBJECT

  public:
    // Changes `playback` directly; it and `host` must outlive the window.
    TfrmText(TextPlayback& playback, DialogHost& host, QWidget* parent);

  private:
    QLineEdit* edFile = nullptr;
    QPushButton* btnLoad = nullptr;
    QPushButton* btnExecute = nullptr;
    QLineEdit* edUser = nullptr;
    QPushButton* btnReset = nullptr;
    QPushButton* btnExit = nullptr;
    QPushButton* btnHelp = nullptr;

    void btnLoadClick();
    void btnExecuteClick(bool down);
    void showState();

    TextPlayback& playback_;
    DialogHost& host_;
    // Playback also ends at the end of the file; the button follows.
    QTimer* follow_ = nullptr;
};

}  // namespace verdo

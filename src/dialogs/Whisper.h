// TfrmWhisper: a private conversation window with one user. Its pane shows the
// whispers exchanged with that user (the session routes them here); what is
// typed on its entry line is whispered to that user.
#pragma once

#include <QWidget>
#include <span>
#include <string>

#include "controls/RichPane.h"

class QAction;
class QMenu;
class QPushButton;

namespace verdo {

class DialogHost;
class FindBar;
class TTabEdit;
class tOptions;

class TfrmWhisper : public QWidget {
    Q_OBJECT

  public:
    // A top-level window with its own taskbar button; `options` supplies the
    // colours and the whisper font; it and `host` (the file chooser of "&Save
    // to File...") must outlive the window.
    TfrmWhisper(const std::string& user, const tOptions& options, DialogHost& host);

    const std::string& user() const { return user_; }

    // A line of coloured segments at the end of the pane, in the whisper font.
    void addLine(std::span<const PaneSegment> segments);
    // Pane and entry colours, the whisper font: again from the options.
    void ApplyAppearance();
    // False while the window is minimised: its size is then locked.
    bool resizeAllowed() const { return resizeAllowed_; }
    // The pane the whispers show in; the alerts watch it.
    RichPane* pane() const { return scWhisper; }

  signals:
    // The whisper line to send, carriage return included.
    void lineToSend(const std::string& line);
    // The window is closing and is deleted right after; its owner forgets it.
    void closed(TfrmWhisper* window);

  protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void btnSendClick();
    void mnSaveClick();
    void focusEntry();
    void lockSize(bool locked);

    std::string user_;
    RichPane* scWhisper = nullptr;
    FindBar* findBar = nullptr;  // Ctrl+Shift+F, F3, Shift+F3
    TTabEdit* edWEnter = nullptr;
    QPushButton* btnSend = nullptr;
    QMenu* pmWhisper = nullptr;
    QAction* mnClear = nullptr;
    QAction* mnSave = nullptr;
    const tOptions& options_;
    DialogHost& host_;
    bool resizeAllowed_ = true;
    QSize minimumBeforeLock_;
    QSize maximumBeforeLock_;
};

}  // namespace verdo

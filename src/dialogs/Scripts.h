// TfrmScripts: the "Scripts" window of the Options menu. Lists each bot
// script of the session with its state (running, error with its message,
// disabled), reloads them, opens their folder, and switches the selected one
// on or off.
#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>

class QPushButton;
class QTreeWidget;

namespace verdo {

class SessionScripts;

class TfrmScripts : public QDialog {
    Q_OBJECT

  public:
    TfrmScripts(SessionScripts& scripts, QWidget* parent);

    // "Open &Folder": the scripts folder of the chat file (made when missing).
    std::function<void(const std::filesystem::path& folder)> OnOpenFolder;

    QTreeWidget* lvScripts = nullptr;
    QPushButton* btnReload = nullptr;
    QPushButton* btnFolder = nullptr;
    QPushButton* btnEnable = nullptr;
    QPushButton* btnClose = nullptr;

    // The list as the scripts are now.
    void refresh();

  private:
    void selectionChanged();
    void toggleSelected();

    SessionScripts& scripts_;
};

}  // namespace verdo

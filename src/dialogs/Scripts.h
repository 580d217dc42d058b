// TfrmScripts: the "Scripts" window of the Options menu. Lists each bot
// script of the session with its state (running, error with its message,
// disabled), reloads them, opens their folder, and switches the selected one
// on or off.
#pragma once

#include <QDialog>
#include <filesystem>

class QPushButton;
class QTreeWidget;

namespace verdo {

class SessionScripts;

class TfrmScripts : public QDialog {
    Q_OBJECT

  public:
    TfrmScripts(SessionScripts& scripts, QWidget* parent);

    // The list as the scripts are now.
    void refresh();

  signals:
    // "Open &Folder": the scripts folder of the chat file, for the owner to
    // make when missing and open.
    void openFolderClicked(const std::filesystem::path& folder);

  private:
    QTreeWidget* lvScripts = nullptr;
    QPushButton* btnReload = nullptr;
    QPushButton* btnFolder = nullptr;
    QPushButton* btnEnable = nullptr;
    QPushButton* btnClose = nullptr;

    void selectionChanged();
    void toggleSelected();

    SessionScripts& scripts_;
};

}  // namespace verdo

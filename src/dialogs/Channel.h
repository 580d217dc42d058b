// TfrmChannel: the modal "Select Channel" window that picks a channel from the
// saved channel list, or takes a typed one, and maintains that list.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/ChannelListEditor.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace verdo {

class TfrmChannel : public QDialog {
    Q_OBJECT

  public:
    struct Hooks {
        // Adding, deleting and clearing set the chat settings' modified flag.
        std::function<void()> markModified;
        std::function<void(const std::string& topic)> showHelp;
    };

    // Shows `channels` in order and starts at the entry equal to `channel`, else the first.
    TfrmChannel(std::vector<std::string> channels, const std::string& channel, Hooks hooks,
                QWidget* parent);

    // Opens the window modally. `channels` receives the list in its order
    // whichever way the window closes; the result is the entered channel, or
    // nothing when the user cancelled.
    static std::optional<std::string> SelectChannel(const std::string& channel,
                                                    std::vector<std::string>& channels, Hooks hooks,
                                                    QWidget* parent);

    const std::vector<std::string>& Channels() const { return list_.channels(); }
    std::string Channel() const;

    QListWidget* lstChannel = nullptr;
    QLineEdit* edChannel = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClear = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

  private:
    void showList(int selected);
    void lstChannelSelect();
    void btnAddClick();
    void btnDeleteClick();
    void btnClearClick();
    void changed();

    ChannelListEditor list_;
    Hooks hooks_;
};

}  // namespace verdo

// TfrmChannel: the modal "Select Channel" window that picks a channel from the
// saved channel list, or takes a typed one, and maintains that list.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "engine/ChannelListEditor.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace verdo {

class DialogHost;

class TfrmChannel : public QDialog {
    Q_OBJECT

  public:
    // Shows `channels` in order and starts at the entry equal to `channel`,
    // else the first. Adding, deleting and clearing mark the settings modified
    // through `host`.
    TfrmChannel(std::vector<std::string> channels, const std::string& channel, DialogHost& host,
                QWidget* parent);

    // Opens the window modally. `channels` receives the list in its order
    // whichever way the window closes; the result is the entered channel, or
    // nothing when the user cancelled.
    static std::optional<std::string> SelectChannel(const std::string& channel,
                                                    std::vector<std::string>& channels,
                                                    DialogHost& host, QWidget* parent);

    const std::vector<std::string>& Channels() const { return list_.channels(); }
    std::string Channel() const;

  private:
    QListWidget* lstChannel = nullptr;
    QLineEdit* edChannel = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClear = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

    void showList(int selected);
    void lstChannelSelect();
    void btnAddClick();
    void btnDeleteClick();
    void btnClearClick();
    void changed();

    ChannelListEditor list_;
    DialogHost& host_;
};

}  // namespace verdo

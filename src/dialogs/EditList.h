// TfrmEditList: the modal "Reorder List" window that changes the order of the
// custom user list on a working copy. Every move marks the chat settings
// modified at once; only "&Ok" hands the new order back.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace verdo {

class DialogHost;

class TfrmEditList : public QDialog {
    Q_OBJECT

  public:
    TfrmEditList(std::vector<std::string> names, DialogHost& host, QWidget* parent);

    // Opens the window modally: the new order on "&Ok", nothing on "&Cancel".
    static std::optional<std::vector<std::string>> ReorderCustomList(
        const std::vector<std::string>& names, DialogHost& host, QWidget* parent);

    const std::vector<std::string>& names() const { return names_; }

  private:
    QListWidget* lstCustom = nullptr;
    QPushButton* btnUp = nullptr;
    QPushButton* btnDown = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    // Swaps the selected row with its neighbour `step` rows away and keeps it selected.
    void moveSelected(int step);

    std::vector<std::string> names_;
    DialogHost& host_;
};

}  // namespace verdo

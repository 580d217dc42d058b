// TfrmEditList: the modal "Reorder List" window that changes the order of the
// custom user list on a working copy. Every move marks the chat settings
// modified at once; only "&Ok" hands the new order back.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace verdo {

class TfrmEditList : public QDialog {
    Q_OBJECT

  public:
    TfrmEditList(std::vector<std::string> names, std::function<void()> markModified,
                 QWidget* parent);

    // Opens the window modally: the new order on "&Ok", nothing on "&Cancel".
    static std::optional<std::vector<std::string>> ReorderCustomList(
        const std::vector<std::string>& names, std::function<void()> markModified, QWidget* parent);

    const std::vector<std::string>& names() const { return names_; }

    QListWidget* lstCustom = nullptr;
    QPushButton* btnUp = nullptr;
    QPushButton* btnDown = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

  private:
    // Swaps the selected row with its neighbour `step` rows away and keeps it selected.
    void moveSelected(int step);

    std::vector<std::string> names_;
    std::function<void()> markModified_;
};

}  // namespace verdo

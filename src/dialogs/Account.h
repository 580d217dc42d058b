// TfrmAccount: the modal "User Account Information" window that browses which
// user names were seen with which accounts (AccountList and NumberList). It
// only reads the pairs.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "engine/AccountLists.h"

class QFrame;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace verdo {

class DialogHost;

class TfrmAccount : public QDialog {
    Q_OBJECT

  public:
    // `names` and `numbers` are the index-aligned AccountList and NumberList;
    // `name` is the user to select first (may be empty).
    TfrmAccount(std::vector<std::string> names, std::vector<std::string> numbers, std::string name,
                DialogHost& host, QWidget* parent);

    // Opens the window modally over `parent` and closes it again.
    static void ShowAccountInfo(const std::string& name, const std::vector<std::string>& names,
                                const std::vector<std::string>& numbers, DialogHost& host,
                                QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* btnNames = nullptr;
    QPushButton* btnNumbers = nullptr;
    QLabel* lbl1 = nullptr;
    QLabel* lbl2 = nullptr;
    QLabel* lbl3 = nullptr;
    QListWidget* lst1 = nullptr;
    QListWidget* lst2 = nullptr;
    QListWidget* lst3 = nullptr;
    QFrame* pnlProgress = nullptr;
    QProgressBar* pbProgress = nullptr;
    QPushButton* btnDone = nullptr;
    QPushButton* btnHelp = nullptr;

    void build();
    // Builds the first list of the mode and selects its entry.
    void buildFirstList(AccountSide side);
    void lst1Select();
    void lst2Select();
    static void fill(QListWidget* list, const std::vector<std::string>& items);
    AccountSide other() const;

    AccountLists pairs_;
    std::string name_;
    // What lst1 and lst2 show, row for row.
    std::vector<std::string> first_;
    std::vector<std::string> second_;
    AccountSide side_ = AccountSide::Names;
    bool built_ = false;
};

}  // namespace verdo

// TfrmMacros: the modal "Macro Keys" window that binds Ctrl-Alt-A to Ctrl-Alt-Z
// to action lines, kept in the chat file as MacroKeys and MacroList.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "engine/MacroTable.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace verdo {

class DialogHost;

class TfrmMacros : public QDialog {
    Q_OBJECT

  public:
    // Works on a copy of the two lists; typing marks the settings modified
    // through `host` at once, also when the window is later cancelled.
    TfrmMacros(const std::vector<std::string>& keys, const std::vector<std::string>& actions,
               DialogHost& host, QWidget* parent);

    // Opens the window modally; on "&Ok" replaces both lists and returns true.
    static bool EditMacros(std::vector<std::string>& keys, std::vector<std::string>& actions,
                           DialogHost& host, QWidget* parent);

    // The lists to store after "&Ok": the non-empty slots in the order A to Z.
    std::vector<std::string> MacroKeys() const;
    std::vector<std::string> MacroList() const;

  private:
    QComboBox* cmKey = nullptr;
    QLineEdit* edAction = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    void cmKeyChange(int slot);
    void edActionChange(const QString& text);

    MacroTable table_;
    DialogHost& host_;
};

}  // namespace verdo

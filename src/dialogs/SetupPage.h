// SetupPage: what the configuration dialog's tab pages share. A page edits the
// working copies through a reference; only the user's edits mark the settings
// modified, never the filling of the controls. The option switches and the
// list editors a page shows are filled and stored the same way on every page.
#pragma once

#include <QWidget>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/SetupValues.h"

class QCheckBox;
class QLabel;
class QListWidget;

namespace verdo {

class TDSStringListEdit;
struct OptionField;
struct SetupListEdit;

class SetupPage : public QWidget {
    Q_OBJECT

  public:
    explicit SetupPage(SetupValues& values);
    ~SetupPage() override;

    // Shows the working copies; nothing shown this way counts as an edit.
    void fill();
    // Takes what the controls show into the working copies ("&Ok").
    void store();
    // Whether the page shows the switch whose check box has this name.
    bool showsSwitch(std::string_view name) const { return switchBox(name) != nullptr; }

  protected:
    // The page's own controls, after its switches and list editors.
    virtual void fillFields() {}
    virtual void storeFields() {}

    void markModified();
    // The options table's row of the control with this name; every control
    // a page names has one.
    static const OptionField& field(std::string_view control);
    // The check box of the switch whose row names this control.
    QCheckBox* makeSwitch(std::string_view name, QWidget* parent);
    QCheckBox* switchBox(std::string_view name) const;
    TDSStringListEdit* makeListEdit(std::string_view name, QWidget* parent);

    static QLabel* caption(const char* text, QWidget* buddy);
    // The caption of a chat-file list (ListEditing's table), by the list's name.
    static QString listCaption(std::string_view list);
    static QLabel* listCaption(std::string_view list, QWidget* buddy);
    // The caption of an option's control: its row's caption, for the row the
    // buddy's object name names.
    static QLabel* fieldCaption(QWidget* buddy);
    static QLabel* note(const char* text, QWidget* parent, const char* name);
    // The hint that `what` runs only with the "Master Event Switch" checked.
    static QLabel* reminder(const QString& what, QWidget* parent);
    // The bytes behind a text field: the stored bytes while the field still
    // shows them, so that text the user did not touch is never converted on
    // its way back.
    static std::string keptBytes(const QString& shown, const std::string& stored);
    // The list boxes select one row at most; the current row alone is no selection.
    static int selectedRow(const QListWidget* list);

    SetupValues& values_;
    // Set while the controls are filled, so that their signals are no edits.
    bool filling_ = true;

  private:
    std::vector<std::pair<const OptionField*, QCheckBox*>> switches_;
    std::vector<std::pair<const SetupListEdit*, TDSStringListEdit*>> listEdits_;
};

}  // namespace verdo

// TfrmUsers: the "User Information" window that edits the user information
// database (notes, greeting, join and leave sounds, three colours per user) in
// place. It lives for the whole run and is shown without blocking the main window.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/UserList.h"

class QComboBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace verdo {

class DialogHost;
class TColorSwatch;

class TfrmUsers : public QDialog {
    Q_OBJECT

  public:
    // Edits `users` directly; the list and `host` must outlive the window.
    // Every edit marks the settings modified through the host; the sound
    // chooser starts in the host's sound folder.
    TfrmUsers(tUserList& users, DialogHost& host, QWidget* parent);

    // Shows the window, refills it from the (sorted) list and selects the first
    // record named `name` in any case, else the first record.
    void ShowUserInfo(const std::string& name);
    // Fills the drop-down from the list again, sorting the list first; keeps
    // the record named `name` selected when there is one. For a list replaced
    // while the window is open.
    void Refill(const std::string& name = {});
    // For a new chat file: empties the drop-down and the fields and hides the
    // window. The caller empties the user list.
    void EmptyAndClose();
    // The user name the drop-down shows.
    std::string shownName() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QComboBox* cmUser = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClear = nullptr;
    QFrame* pnlNotes = nullptr;
    QPlainTextEdit* mNotes = nullptr;
    QComboBox* edGreeting = nullptr;
    QFrame* pnlSounds = nullptr;
    QLineEdit* edJoinSound = nullptr;
    QLineEdit* edLeaveSound = nullptr;
    QPushButton* btnJoinSound = nullptr;
    QPushButton* btnJoinNone = nullptr;
    QPushButton* btnLeaveSound = nullptr;
    QPushButton* btnLeaveNone = nullptr;
    QFrame* pnlColors = nullptr;
    TColorSwatch* pnlNameColor = nullptr;
    TColorSwatch* pnlTextColor = nullptr;
    TColorSwatch* pnlWhisperColor = nullptr;
    QPushButton* btnExit = nullptr;
    QPushButton* btnHelp = nullptr;

    struct SoundField {
        QLineEdit* edit;
        std::string (tUser::*get)() const;
        void (tUser::*set)(std::string_view);
    };
    struct ColorField {
        TColorSwatch* swatch;
        std::uint32_t (tUser::*get)() const;
        void (tUser::*set)(std::uint32_t);
    };

    void build();
    // The record being edited; nullptr while there is none.
    tUser* current() const;
    void showRecord(int index);
    void showEmpty();
    void setEditing(bool enabled);
    void changed();

    void mNotesChange();
    void edGreetingChange(const QString& text);
    void chooseSound(const SoundField& field);
    void clearSound(const SoundField& field);
    void colorChosen(const ColorField& field, std::uint32_t color);
    void btnAddClick();
    void btnDeleteClick();
    void btnClearClick();

    tUserList& users_;
    DialogHost& host_;
    std::array<SoundField, 2> sounds_{};
    std::array<ColorField, 3> colors_{};
    int edited_ = -1;
    // On while the fields are filled from a record, so that their change
    // signals never write into a record.
    bool loading_ = true;
};

}  // namespace verdo

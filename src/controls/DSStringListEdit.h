// TDSStringListEdit: the reusable list editor of the configuration dialog. A
// captioned list of entries, an edit field for the selected entry, "Add",
// "Delete" and "Clear", and three captioned combo boxes holding the selected
// entry's three responses. The editor owns its working lists; the three
// response lists stay index-aligned with the entries. With the multi-list
// switch off the combo boxes are hidden and the response lists are not used.
#pragma once

#include <QFrame>
#include <QStringList>
#include <array>
#include <string>

#include "engine/ChatLists.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace verdo {

class AlignedLists;

class TDSStringListEdit : public QFrame {
    Q_OBJECT

  public:
    static constexpr int ResponseCount = 3;

    explicit TDSStringListEdit(QWidget* parent = nullptr);
    ~TDSStringListEdit() override;

    // Properties, with their defaults: "Main Caption", "Edit Label",
    // "Label 1" to "Label 3", no presets, "New" and "New", multi-list on.
    void setMainCaption(const QString& caption);
    QString mainCaption() const;
    void setEditCaption(const QString& caption);
    QString editCaption() const;
    // Index 0 to 2.
    void setResponseCaption(int index, const QString& caption);
    QString responseCaption(int index) const;
    void setPresets(int index, const QStringList& presets);
    QStringList presets(int index) const;
    void setNewEntryText(const std::string& text) { newEntryText_ = text; }
    const std::string& newEntryText() const { return newEntryText_; }
    void setNewResponseText(const std::string& text) { newResponseText_ = text; }
    const std::string& newResponseText() const { return newResponseText_; }
    void setMultiList(bool on);
    bool multiList() const { return multiList_; }
    void setListWidth(int width);
    int listWidth() const;
    void setListHeight(int height);
    int listHeight() const;

    // Replaces the working lists; raises no change. Response lists shorter
    // than the entries are padded with empty responses.
    void setLists(const tStringList& entries, const tResponseLists& responses = {});
    const tStringList& entries() const { return entries_; }
    const tResponseLists& responses() const { return responses_; }

    // Empties the entries and their responses (the owner asks first).
    void clearAll();

  signals:
    // Every change of the lists made by the user.
    void changed();
    // The Clear button: the owner confirms, then calls clearAll.
    void clearRequested();

  private:
    AlignedLists group();
    int selectedRow() const;
    void rebuildRows();
    void showSelected();
    void entryEdited(const QString& text);
    void responseEdited(int index, const QString& text);
    void addClick();
    void deleteClick();

    QLabel* lblMain_ = nullptr;
    QListWidget* lstItems_ = nullptr;
    QLabel* lblEdit_ = nullptr;
    QLineEdit* edItem_ = nullptr;
    QPushButton* btnAdd_ = nullptr;
    QPushButton* btnDelete_ = nullptr;
    QPushButton* btnClear_ = nullptr;
    std::array<QLabel*, ResponseCount> lblResponse_{};
    std::array<QComboBox*, ResponseCount> cmResponse_{};
    tStringList entries_;
    tResponseLists responses_;
    std::string newEntryText_ = "New";
    std::string newResponseText_ = "New";
    bool multiList_ = true;
    bool filling_ = false;
};

}  // namespace verdo

// TTabEdit: the entry line, an editable combo box that keeps the Tab key.
// Tab never moves the focus: its key-down is reported through tabPressed and
// dropped, and neither Tab nor carriage return is ever inserted into the text.
// Text the program puts into the line from bytes it knows (a name as the
// server sent it, a prepared reply, a line of the history) keeps those bytes
// on its way back out.
#pragma once

#include <QComboBox>
#include <string>
#include <vector>

#include "text/DisplayText.h"

namespace verdo {

class TTabEdit : public QComboBox {
    Q_OBJECT

  public:
    explicit TTabEdit(QWidget* parent = nullptr);

    // The edit's text; empty when there is none.
    QString entryText() const;
    // The edit's text as the bytes to send (see typedBytes).
    std::string entryBytes() const;
    // Replaces the text with `bytes` as shown.
    void setEntryBytes(const std::string& bytes);
    // Inserts `bytes` as shown at the caret, replacing any selected text.
    void insertBytes(const std::string& bytes);
    // Inserts `text` as the first history item (no limit, duplicates kept).
    void addToHistory(const QString& text);
    // The same for a line sent as `bytes`, shown as the line shows while it
    // holds them; choosing it brings the bytes back.
    void addHistoryBytes(const std::string& bytes);

  signals:
    void tabPressed();
    // Enter or Return in the edit.
    void enterPressed();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void keep(const QString& shown, const std::string& bytes);
    // Known text put into the line since it was last empty.
    std::vector<KnownText> kept_;
};

}  // namespace verdo

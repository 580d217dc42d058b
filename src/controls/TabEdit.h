// TTabEdit: the entry line, an editable combo box that keeps the Tab key.
// Tab never moves the focus: its key-down is reported through tabPressed and
// dropped, and neither Tab nor carriage return is ever inserted into the text.
#pragma once

#include <QComboBox>

namespace verdo {

class TTabEdit : public QComboBox {
    Q_OBJECT

  public:
    explicit TTabEdit(QWidget* parent = nullptr);

    // The edit's text; empty when there is none.
    QString entryText() const;
    // Inserts `text` as the first history item (no limit, duplicates kept).
    void addToHistory(const QString& text);

  signals:
    void tabPressed();
    // Enter or Return in the edit.
    void enterPressed();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace verdo

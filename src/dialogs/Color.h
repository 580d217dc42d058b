// TfrmColor: the "Appearance" dialog. It edits the 18 colour items and the
// three fonts of the options record against a live preview; every change is
// written to the record at once and applied through OnApplyAppearance, as the
// dialog has no Cancel: "&Done" and Escape both just close it.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "records/FontRecord.h"

class QComboBox;
class QFrame;
class QPushButton;

namespace verdo {

class tOptions;

// What a font dialog answers; the colour is a font effect some platforms'
// dialogs offer and it is never stored (the record keeps the "Text Color").
struct ChosenFont {
    QFont font;
    QColor color;
};

class TfrmColor : public QDialog {
    Q_OBJECT

  public:
    // `options` is edited in place and must outlive the dialog.
    TfrmColor(tOptions& options, QWidget* parent = nullptr);

    // True once a colour or font was changed, or the colour dialog opened.
    bool modified() const { return modified_; }
    // The colour item shown in the swatch (0 to 17).
    int selectedItem() const;
    void selectItem(int item);

    // Every change of a colour or font, after it is written to the record.
    std::function<void()> OnApplyAppearance;
    // The settings become modified (also when the colour dialog is cancelled).
    std::function<void()> OnModified;
    // The colour and font dialogs; the platform's own by default.
    std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)> chooseColor;
    std::function<std::optional<ChosenFont>(QWidget* parent)> chooseFont;

    QComboBox* cmColor = nullptr;
    QFrame* pnlColor = nullptr;
    QPushButton* btnChange = nullptr;
    QPushButton* btnChatFont = nullptr;
    QPushButton* btnWhisperFont = nullptr;
    QPushButton* btnUserFont = nullptr;
    QPushButton* btnDone = nullptr;

    void btnChangeClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void changeFont(tFontRecord record);
    void markModified();
    void paintSwatch();
    void paintPreview();
    QWidget* buildPreview();

    // A sample element: its colour item, painted as text or as background,
    // and the font of its area (an index into the fonts paintPreview shows).
    struct PreviewPart {
        QWidget* widget;
        int item;
        bool background;
        int font;
    };

    tOptions& options_;
    bool modified_ = false;
    std::vector<PreviewPart> parts_;
};

}  // namespace verdo

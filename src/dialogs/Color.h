// TfrmColor: the "Appearance" dialog. It edits the 18 colour items and the
// three fonts of the options record against a live preview; every change is
// written to the record at once and reported with appearanceChanged, as the
// dialog has no Cancel: "&Done" and Escape both just close it.
#pragma once

#include <QDialog>
#include <vector>

#include "records/FontRecord.h"

class QComboBox;
class QFrame;
class QPushButton;

namespace verdo {

class DialogHost;
class tOptions;

class TfrmColor : public QDialog {
    Q_OBJECT

  public:
    // `options` is edited in place; it and `host` must outlive the dialog.
    // Every change marks the settings modified through the host, also when the
    // colour dialog is cancelled.
    TfrmColor(tOptions& options, DialogHost& host, QWidget* parent = nullptr);

    // True once a colour or font was changed, or the colour dialog opened.
    bool modified() const { return modified_; }
    // The colour item shown in the swatch (0 to 17).
    int selectedItem() const;
    void selectItem(int item);

  signals:
    // Every change of a colour or font, after it is written to the record.
    void appearanceChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QComboBox* cmColor = nullptr;
    QFrame* pnlColor = nullptr;
    QPushButton* btnChange = nullptr;
    QPushButton* btnChatFont = nullptr;
    QPushButton* btnWhisperFont = nullptr;
    QPushButton* btnUserFont = nullptr;
    QPushButton* btnDone = nullptr;

    void btnChangeClick();
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
    DialogHost& host_;
    bool modified_ = false;
    std::vector<PreviewPart> parts_;
};

}  // namespace verdo

// TfrmAbout: the About box: the program's picture, name and version, its home
// page and support links, and "&Done".
#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;

namespace verdo {

class DialogHost;
class TDSHyperLink;

class TfrmAbout : public QDialog {
    Q_OBJECT

  public:
    // The links open through `host`, which must outlive the box.
    TfrmAbout(QWidget* parent, DialogHost& host);

  private:
    QLabel* imgLogo = nullptr;
    QLabel* lblProduct = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblVersion = nullptr;
    TDSHyperLink* lnkHome = nullptr;
    TDSHyperLink* lnkSupport = nullptr;
    QPushButton* btnDone = nullptr;
};

// The program's picture: a speech bubble, drawn at `size` pixels square.
QPixmap programPicture(int size);

}  // namespace verdo

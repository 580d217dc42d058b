// TfrmConnect: the small modeless dialog shown while the program tries the
// servers: which server, how long until the time-out, Cancel and Next.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace verdo {

class TfrmConnect : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmConnect(QWidget* parent);

    void setServerText(const QString& text);
    void setTimeoutText(const QString& text);
    // Shows the dialog centred on its parent window without blocking it.
    void showCentred();

  signals:
    // The buttons; Escape and closing the window count as Cancel.
    void cancelClicked();
    void nextClicked();

  public slots:
    void reject() override;

  private:
    QLabel* lblServer = nullptr;
    QLabel* lblTimeout = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnNext = nullptr;

    void centreOnOwner();
    void btnCancelClick();
    void btnNextClick();
};

}  // namespace verdo

// TfrmConnect: the small modeless dialog shown while the program tries the
// servers: which server, how long until the time-out, Cancel and Next.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace verdo {

class TfrmConnect : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmConnect(QWidget* parent);

    // The buttons' handlers; Escape and closing the window count as Cancel.
    std::function<void()> OnCancel;
    std::function<void()> OnNext;

    void setServerText(const QString& text);
    void setTimeoutText(const QString& text);
    // Shows the dialog centred on its parent window without blocking it.
    void showCentred();

    QLabel* lblServer = nullptr;
    QLabel* lblTimeout = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnNext = nullptr;

  public slots:
    void reject() override;

  private:
    void centreOnOwner();
    void btnCancelClick();
    void btnNextClick();
};

}  // namespace verdo

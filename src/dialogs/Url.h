// TfrmUrl: asks for a web address and whispers it to one user as "/url "
// text, which a receiving copy of the program shows as a link.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace verdo {

class TfrmUrl : public QDialog {
    Q_OBJECT

  public:
    // The address field starts with `address`; see clipboardAddress().
    TfrmUrl(const std::string& user, const std::string& address, QWidget* parent = nullptr);

    // A web address the clipboard holds, else empty: what the field offers.
    static std::string clipboardAddress();

  signals:
    // On "&Ok": the whisper line, carriage return included, then the
    // confirmation for the chat view, shown in the "Info Color".
    void lineToSend(const std::string& line);
    void infoLine(const std::string& text);

  public slots:
    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* lblUrl = nullptr;
    QLineEdit* edUrl = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    std::string user_;
};

}  // namespace verdo

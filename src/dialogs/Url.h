// TfrmUrl: asks for a web address and whispers it to one user as "/url "
// text, which a receiving copy of the program shows as a link.
#pragma once

#include <QDialog>
#include <functional>
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

    // The whisper line, carriage return included.
    std::function<void(const std::string& line)> OnSendLine;
    // The confirmation for the chat view, shown in the "Info Color".
    std::function<void(const std::string& text)> OnInfoLine;

    QLabel* lblUrl = nullptr;
    QLineEdit* edUrl = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

  public slots:
    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::string user_;
};

// Shows the dialog for `user` modally with the clipboard's web address
// offered; nothing happens for an empty name.
void SendUrlTo(const std::string& user, QWidget* parent,
               const std::function<void(const std::string&)>& sendLine,
               const std::function<void(const std::string&)>& infoLine);

}  // namespace verdo

// TfrmHelp: the help window. It reads the program's help text once, when it is
// created at start, and afterwards is only shown (at a topic) and hidden. It
// does not block the main window.
#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

class QPushButton;
class QTextEdit;

namespace verdo {

class TDSHyperLink;
struct RtfDocument;

class TfrmHelp : public QDialog {
    Q_OBJECT

  public:
    using ShowMessage = std::function<void(const QString& text)>;
    using OpenLink = std::function<void(const std::string& url)>;

    // Reads `helpFile`; when it cannot, the view stays empty and `showMessage`
    // tells the user once ("Could not open file " + the full path).
    TfrmHelp(QWidget* parent, const std::filesystem::path& helpFile, const ShowMessage& showMessage,
             OpenLink openLink);

    // Shows the window and selects the first occurrence of `topic` (a heading
    // of the help text, letter case ignored), scrolled to near the top; when it
    // is not found the view is left scrolled to its end.
    void ShowHelpTopic(std::string_view topic);

    QTextEdit* reHelp = nullptr;
    QPushButton* btnDone = nullptr;
    TDSHyperLink* lnkSupport = nullptr;

  private:
    void showDocument(const RtfDocument& document);

    std::string text_;  // the help text as read, for the topic search
};

}  // namespace verdo

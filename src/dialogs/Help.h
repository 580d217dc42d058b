// TfrmHelp: the help window. It reads the program's help text once, when it is
// created at start, and afterwards is only shown (at a topic) and hidden. It
// does not block the main window.
#pragma once

#include <QDialog>
#include <filesystem>
#include <string>
#include <string_view>

class QPushButton;
class QTextEdit;

namespace verdo {

class DialogHost;
class TDSHyperLink;
struct RtfDocument;

class TfrmHelp : public QDialog {
    Q_OBJECT

  public:
    // Reads `helpFile`; when it cannot, the view stays empty and the host
    // tells the user once ("Could not open file " + the full path). The
    // support link opens through the host, which must outlive the window.
    TfrmHelp(QWidget* parent, const std::filesystem::path& helpFile, DialogHost& host);

    // Shows the window and selects the first occurrence of `topic` (a heading
    // of the help text, letter case ignored), scrolled to near the top; when it
    // is not found the view is left scrolled to its end.
    void ShowHelpTopic(std::string_view topic);

  private:
    QTextEdit* reHelp = nullptr;
    QPushButton* btnDone = nullptr;
    TDSHyperLink* lnkSupport = nullptr;

    void showDocument(const RtfDocument& document);

    std::string text_;  // the help text as read, for the topic search
};

}  // namespace verdo

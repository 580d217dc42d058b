// The main window's view on the console, for the headless program: pane lines
// and status changes to standard output, messages and the answers it gave on
// nobody's behalf to standard error. There is nobody to ask, so every question
// takes its safe answer.
#pragma once

#include <QObject>
#include <functional>
#include <ostream>
#include <string>

#include "chat/SessionView.h"
#include "chat/WindowControls.h"

namespace verdo {

struct ConsoleOutput {
    std::ostream& out;
    std::ostream& err;
    // Colours for a terminal; plain text for a pipe or a file.
    bool colored = false;
    // The local time that starts each pane line.
    std::function<std::string()> timeText;
};

// Of the window's controls only the URL bar has a console form: a line.
class ConsoleView : public SessionView, public WindowControls {
  public:
    explicit ConsoleView(ConsoleOutput output);

    // Called once after each batch of events (ChatForm::ActionListUpdate).
    std::function<void()> OnIdleUpdate;

    // Standard error, for the runner's own notes.
    void note(const std::string& text);

    void addChatLine(PaneId pane, const ChatLine& line) override;
    void setStatusText(StatusPanel panel, const std::string& text) override;

    void setChannelText(const std::string&) override {}
    void rosterChanged() override {}

    void showMessage(const std::string& text, MessageKind kind) override;
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& initial) override;
    Answer askYesNoCancel(const std::string& question) override;
    bool askYesNo(const std::string& question) override;
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    void optionsChanged() override {}

    void requestIdleUpdate() override;
    void showUrlBar(const std::string& label, const std::string& link) override;

  private:
    void writeOut(const std::string& line);

    ConsoleOutput output_;
    std::string status_[2];
    bool idleUpdatePending_ = false;
    // Pending idle updates die with the view.
    QObject context_;
};

}  // namespace verdo

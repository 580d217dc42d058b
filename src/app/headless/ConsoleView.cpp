// The console view (see ConsoleView.h).
#include "app/headless/ConsoleView.h"

#include "app/headless/ConsoleText.h"

namespace verdo {

namespace {

std::string kindText(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return "Information: ";
        case MessageKind::Warning:
            return "Warning: ";
        case MessageKind::Error:
            return "Error: ";
    }
    return {};
}

}  // namespace

ConsoleView::ConsoleView(ConsoleOutput output) : output_(std::move(output)) {}

void ConsoleView::writeOut(const std::string& line) {
    // Flushed line by line: a service's output goes to a pipe.
    output_.out << line << '\n' << std::flush;
}

void ConsoleView::note(const std::string& text) {
    output_.err << consoleText(text) << '\n' << std::flush;
}

void ConsoleView::addChatLine(PaneId pane, const ChatLine& line) {
    std::string text = output_.timeText() + ' ';
    if (pane != ChatPane) text += "[whisper] ";
    writeOut(text + consoleLine(line, output_.colored));
}

// Only changes are written, and an emptied panel says nothing.
void ConsoleView::setStatusText(StatusPanel panel, const std::string& text) {
    std::string& shown = status_[static_cast<std::size_t>(panel)];
    if (shown == text) return;
    shown = text;
    if (!text.empty()) writeOut("* " + consoleText(text));
}

void ConsoleView::showMessage(const std::string& text, MessageKind kind) {
    note(kindText(kind) + text);
}

std::optional<std::string> ConsoleView::inputBox(const std::string& title,
                                                 const std::string& prompt, const std::string&) {
    note("Input box \"" + title + "\" (" + prompt + "): answered Cancel, nobody to ask.");
    return std::nullopt;
}

// Cancel does nothing and loses nothing; "No" could drop unsaved settings.
Answer ConsoleView::askYesNoCancel(const std::string& question) {
    note("Question \"" + question + "\": answered Cancel, nobody to ask.");
    return Answer::Cancel;
}

bool ConsoleView::askYesNo(const std::string& question) {
    note("Question \"" + question + "\": answered No, nobody to ask.");
    return false;
}

std::optional<std::string> ConsoleView::chooseFile(const FileDialogRequest& request) {
    note("File dialog \"" + request.title + "\": cancelled, nobody to ask.");
    return std::nullopt;
}

void ConsoleView::showUrlBar(const std::string& label, const std::string& link) {
    // A system colour: the terminal's own.
    constexpr std::uint32_t TerminalColor = 0x80000000u;
    ChatLine line{ChatSegment{label, TerminalColor}, ChatSegment{link, TerminalColor},
                  ChatSegment{}};
    addChatLine(ChatPane, line);
}

void ConsoleView::requestIdleUpdate() {
    if (idleUpdatePending_) return;
    idleUpdatePending_ = true;
    QMetaObject::invokeMethod(
        &context_,
        [this] {
            idleUpdatePending_ = false;
            if (OnIdleUpdate) OnIdleUpdate();
        },
        Qt::QueuedConnection);
}

}  // namespace verdo

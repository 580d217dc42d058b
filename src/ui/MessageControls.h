// MessageControls: the window side of messages and typing. The keys seen
// before the focused control, dragging names between the lists and onto the
// entry, Alt+N, and clicks beside the entry that give it the focus.
#pragma once

#include <QObject>

class QMainWindow;

namespace verdo {

class ChatForm;
class ChatWidgets;
class MainActions;

class MessageControls : public QObject {
    Q_OBJECT

  public:
    // Watches `window` and its widgets until destroyed; it must go before them.
    MessageControls(QMainWindow& window, ChatWidgets& widgets, const MainActions& actions,
                    ChatForm& form);

    // btnAltNClick: inserts the selected roster name, then the selected custom
    // name, at the caret.
    void altN();

  private:
    ChatWidgets& widgets_;
};

}  // namespace verdo

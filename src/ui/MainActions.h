// MainActions: the main window's actions, menus and tool bar, made from the
// action table. A triggered action runs the logic's handler, or the window's
// own handler for the rows that have no logic.
#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "chat/ChatActions.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace verdo {

class MainActions : public QObject {
    Q_OBJECT

  public:
    MainActions(QMainWindow& window, ChatForm& form);

    QAction* action(ChatAction id) const { return actions_[static_cast<std::size_t>(id)]; }
    QMenu* menu(MenuId id) const { return menus_[static_cast<std::size_t>(id)]; }
    // The tool bar as the option says; disabled with the window's input.
    void setToolBarVisible(bool visible);
    void setToolBarEnabled(bool enabled);

    // What the window does for an action of its own.
    void setWindowHandler(ChatAction id, std::function<void()> handler);
    // The logic's check; a click does not flip it on its own.
    void setCheckedByLogic(ChatAction id, bool checked);

  private:
    void createActions(QMainWindow& window);
    void createMenus(QMainWindow& window);
    void createToolBar(QMainWindow& window);
    void run(ChatAction id);

    ChatForm& form_;
    std::array<QAction*, ChatActionCount> actions_{};
    std::array<std::function<void()>, ChatActionCount> windowHandlers_{};
    std::array<bool, ChatActionCount> checkedByLogic_{};
    std::array<QMenu*, 8> menus_{};  // by MenuId
    QToolBar* toolBar_ = nullptr;
};

}  // namespace verdo

// The main window's actions, menus and tool bar (see MainActions.h).
#include "ui/MainActions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "chat/ChatForm.h"

namespace verdo {

namespace {

constexpr const char* MenuCaptions[] = {nullptr,  "&File",   "&Edit",   "&Options",
                                        "&Users", "&Window", "&Sounds", "&Help"};
constexpr const char* MenuNames[] = {nullptr,   "mnFile",   "mnEdit",   "mnOptions",
                                     "mnUsers", "mnWindow", "mnSounds", "mnHelp"};
constexpr int ToolBarGroups = 3;

}  // namespace

MainActions::MainActions(QMainWindow& window, ChatForm& form) : QObject(&window), form_(form) {
    setObjectName("MainActions");
    createActions(window);
    createMenus(window);
    createToolBar(window);
}

void MainActions::setToolBarVisible(bool visible) {
    toolBar_->setVisible(visible);
}

void MainActions::setToolBarEnabled(bool enabled) {
    toolBar_->setEnabled(enabled);
}

void MainActions::createActions(QMainWindow& window) {
    for (const ChatActionInfo& info : chatActions()) {
        auto* action = new QAction(tr(info.caption), &window);
        action->setObjectName(info.objectName);
        if (info.shortcut != nullptr)
            action->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
        if (info.hint != nullptr) {
            action->setToolTip(tr(info.hint));
            action->setStatusTip(tr(info.hint));
        }
        if (info.shortCaption != nullptr) action->setIconText(tr(info.shortCaption));
        action->setCheckable(info.check != Check::None);
        action->setEnabled(info.enabling != Enabling::LoggedOn);
        connect(action, &QAction::triggered, this, [this, id = info.id] { run(id); });
        actions_[static_cast<std::size_t>(info.id)] = action;
        if (info.menu == MenuId::None) window.addAction(action);  // the key alone
    }
    action(ChatAction::Toolbar)->setChecked(true);
}

// Every heading in menu-bar order, even before it has entries (the Window
// menu lists the whisper windows as they open).
void MainActions::createMenus(QMainWindow& window) {
    for (std::size_t index = 1; index < menus_.size(); ++index) {
        menus_[index] = window.menuBar()->addMenu(tr(MenuCaptions[index]));
        menus_[index]->setObjectName(MenuNames[index]);
    }
    for (const ChatActionInfo& info : chatActions()) {
        if (info.menu == MenuId::None) continue;
        QMenu* heading = menu(info.menu);
        if (info.separatorBefore && !heading->isEmpty()) heading->addSeparator();
        heading->addAction(action(info.id));
    }
}

void MainActions::createToolBar(QMainWindow& window) {
    toolBar_ = window.addToolBar(tr("Toolbar"));
    toolBar_->setObjectName("ToolBar");
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    int lastGroup = 0;
    for (int group = 1; group <= ToolBarGroups; ++group) {
        for (const ChatActionInfo& info : chatActions()) {
            if (info.toolBarGroup != group) continue;
            if (lastGroup != 0 && lastGroup != group) toolBar_->addSeparator();
            lastGroup = group;
            toolBar_->addAction(action(info.id));
        }
    }
    toolBar_->widgetForAction(action(ChatAction::Connect))->setObjectName("btnConnect");
}

void MainActions::setWindowHandler(ChatAction id, std::function<void()> handler) {
    windowHandlers_[static_cast<std::size_t>(id)] = std::move(handler);
}

void MainActions::setCheckedByLogic(ChatAction id, bool checked) {
    checkedByLogic_[static_cast<std::size_t>(id)] = checked;
    action(id)->setChecked(checked);
}

void MainActions::run(ChatAction id) {
    const ChatActionInfo& info = actionInfo(id);
    const auto index = static_cast<std::size_t>(id);
    if (info.logic != nullptr || info.check == Check::Option) {
        if (info.check != Check::None) action(id)->setChecked(checkedByLogic_[index]);
        form_.runAction(id);
    } else if (windowHandlers_[index]) {
        windowHandlers_[index]();
    }
}

}  // namespace verdo

// DialogHost: what the program's dialogs ask of the window that owns them:
// the help window at a topic, a link opened, the settings marked modified,
// the file, colour and font choosers, the sounds folder and a message. The
// main window answers with ChatDialogHost; tests answer with a fake that
// records the questions and gives scripted choices. What a dialog reports
// (a button pressed, a line to send, a window closed) it reports as a Qt
// signal instead, so a dialog talks to its owner in exactly these two ways.
//
// Adding a dialog:
//  1. src/dialogs/Name.h and Name.cpp: the class, widgets private, each one a
//     test needs with an object name (tests reach it with testing::named<>).
//     It takes a DialogHost& when it asks for anything above, and declares
//     signals for what it reports.
//  2. src/dialogs/CMakeLists.txt: Name.cpp.
//  3. src/ui/ChatWindows.h/.cpp: the function that opens it with the host and
//     connects its signals to the logic; an action opens it through that
//     function (see the recipe in chat/ChatActions.h).
//  4. tests/dialogs/NameTest.cpp (and tests/dialogs/CMakeLists.txt) with
//     testing::FakeDialogHost.
#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <string>

#include "dialogs/DialogBoxes.h"
#include "view/ViewTypes.h"

class QWidget;

namespace verdo {

class DialogHost {
  public:
    virtual ~DialogHost() = default;

    // The help window at a heading of the help text ("&Help" and F1).
    virtual void showHelp(const std::string& topic) = 0;
    // A web or mail address, opened by the desktop.
    virtual void openLink(const std::string& url) = 0;
    // An edit of the chat file's data: the settings become modified.
    virtual void markModified() = 0;
    // The choosers run over `parent`; nothing when the user cancels.
    virtual std::optional<QString> chooseOpenFile(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QString> chooseSaveFile(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<ChosenFont> chooseFont(QWidget* parent) = 0;
    // The folder the sound file chooser starts in.
    virtual QString soundFolder() = 0;
    // A message over the owner window.
    virtual void showMessage(const std::string& text, MessageKind kind) = 0;
};

}  // namespace verdo

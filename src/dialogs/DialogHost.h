// DialogHost: what the program's dialogs ask of the window that owns them:
// the help window at a topic, a link opened, the settings marked modified,
// the file, colour and font choosers, the sounds folder and a message. The
// main window answers with ChatDialogHost; tests answer with a fake that
// records the questions and gives scripted choices. What a dialog reports
// (a button pressed, a line to send, a window closed) it reports as a Qt
// signal instead, so a dialog talks to its owner in exactly these two ways.
//
// Adding a dialog (ten files, the same whatever it asks for):
//  1. dialogs/Name.h and Name.cpp: the class with its widgets private, each one
//     a test needs given an object name (tests reach it with testing::named<>).
//     It takes a DialogHost& when it asks for anything above and declares
//     signals for what it reports; dialogs/CMakeLists.txt lists Name.cpp.
//  2. ui/ChatWindows.h and .cpp: the function that opens it with `host_` and
//     connects its signals to the logic.
//  3. The menu action that opens it: chat/ChatActions.h and .cpp (see the
//     recipe there) and its window handler in TfrmChat::setWindowHandlers
//     (ui/Chat.cpp), calling the ChatWindows function.
//  4. tests/dialogs/NameTest.cpp, listed in tests/dialogs/CMakeLists.txt, with
//     testing::FakeDialogHost for the owner.
// A new kind of question adds a method here, to ChatDialogHost and to the fake.
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

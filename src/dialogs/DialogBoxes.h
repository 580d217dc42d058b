// The small standard boxes the program's windows ask with (Yes/No questions,
// messages, file dialogs, a line of input, over the program's 8-bit texts),
// and the Help button with its F1 key.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string>

#include "view/ViewTypes.h"

class QAbstractButton;
class QPushButton;
class QWidget;

namespace verdo {

class DialogHost;
class TColorSwatch;

// A dialog's push button with its object name and hint; it never becomes the
// default button by having the focus, so Enter keeps the dialog's own meaning.
QPushButton* dialogButton(const QString& caption, const char* name, QWidget* parent,
                          const QString& hint = {});

// A question with Yes and No and the question icon; true on Yes. The
// question's carriage returns break its lines.
bool askYesNo(QWidget* parent, const std::string& question);
Answer askYesNoCancel(QWidget* parent, const std::string& question);
void showMessage(QWidget* parent, const std::string& text, MessageKind kind);
void showError(QWidget* parent, const std::string& text);
// The typed line, or nothing when cancelled.
std::optional<std::string> inputLine(QWidget* parent, const std::string& title,
                                     const std::string& prompt, const std::string& initial);

struct FileRequest {
    QString title;
    QString folder;
    QString filter;  // as "Text Files (*.txt)"
    QString defaultSuffix;
    // An open dialog that also takes a name not made yet (the caller asks
    // whether to make it).
    bool mayBeNew = false;
};
// An existing file, or nothing when the user cancels.
std::optional<QString> chooseOpenFile(QWidget* parent, const FileRequest& request);
// A file to write (asking before it replaces one), or nothing when cancelled.
std::optional<QString> chooseSaveFile(QWidget* parent, const FileRequest& request);
// What a font dialog answers; the colour is a font effect some platforms'
// dialogs offer and it is never stored (the record keeps the "Text Color").
struct ChosenFont {
    QFont font;
    QColor color;
};
// The platform's colour and font dialogs; nothing when cancelled.
std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial);
std::optional<ChosenFont> chooseFont(QWidget* parent);
// The file the logic asks for, as stored paths are; nothing when cancelled.
std::optional<std::string> chooseFile(QWidget* parent, const FileDialogRequest& request);

// The button and the F1 key of `window` ask `host` for the help at `topic`.
void bindHelp(QWidget* window, QAbstractButton* button, DialogHost& host, std::string topic);
// A colour swatch's requests answered by the host's colour chooser.
void bindColorChooser(TColorSwatch* swatch, DialogHost& host);

// The Tab key visits `widgets` in this order.
void setTabChain(std::initializer_list<QWidget*> widgets);

// What a path chosen in a file dialog is stored as: the bytes the file system
// uses, so that the file opens again.
std::string storedPath(const QString& path);

}  // namespace verdo

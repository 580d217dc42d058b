// The modal boxes the logic asks the user through: yes/no questions, file
// dialogs, messages and a line of input, over the program's 8-bit texts.
#pragma once

#include <optional>
#include <string>

#include "chat/SessionView.h"

class QWidget;

namespace verdo {

// The question's carriage returns break its lines.
Answer askYesNoCancel(QWidget& parent, const std::string& question);
bool askYesNo(QWidget& parent, const std::string& question);
// The chosen path, or nothing when cancelled.
std::optional<std::string> chooseFile(QWidget& parent, const FileDialogRequest& request);
void showMessageBox(QWidget& parent, const std::string& text, MessageKind kind);
std::optional<std::string> inputLine(QWidget& parent, const std::string& title,
                                     const std::string& prompt, const std::string& initial);

}  // namespace verdo

// The rows of the two user lists: each shows a name and keeps the bytes the
// name arrived as (from the server or the chat file), so that every command
// that takes the name from a list uses exactly those bytes.
#pragma once

#include <string>

class QListWidgetItem;

namespace verdo {

// A row showing `bytes` as text, keeping the bytes.
QListWidgetItem* userNameItem(const std::string& bytes);
// The bytes of a row; for a row made without them, its text as typed.
std::string userNameBytes(const QListWidgetItem& item);

}  // namespace verdo

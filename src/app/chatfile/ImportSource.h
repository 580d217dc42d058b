// ImportSource: the text document `chatfile import` reads, from standard input,
// a pipe or a file. What cannot be a document (a folder, a device, nothing at
// all, more than the read limit) is refused with the reason, before anything
// is written.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

namespace verdo {

// The whole stream into `text`; empty, or why it cannot be imported.
std::string readDocument(std::istream& in, std::string& text);
// The whole file (a FIFO is read as it comes) into `text`; empty, or why not.
std::string readDocument(const std::filesystem::path& path, std::string& text);

}  // namespace verdo

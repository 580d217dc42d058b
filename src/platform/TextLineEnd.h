// The line end of the text files the program writes for a person to read (the
// chat log, a saved pane): the platform's own, so any editor opens them.
#pragma once

namespace verdo {

#ifdef _WIN32
inline constexpr const char* TextLineEnd = "\r\n";
#else
inline constexpr const char* TextLineEnd = "\n";
#endif

}  // namespace verdo

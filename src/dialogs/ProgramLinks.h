// The program's own addresses, shown by the About box and the help window.
#pragma once

namespace verdo {

inline constexpr const char* HomePageAddress = "https://verdochat.example.org/";
inline constexpr const char* SupportMailAddress = "mailto:support@verdochat.example.org";

}  // namespace verdo

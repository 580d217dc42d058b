// Reading the document of `chatfile import` (see ImportSource.h).
#include "app/chatfile/ImportSource.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <istream>

#include "platform/ReadFile.h"

namespace verdo {
namespace {

// An empty document would make an empty chat file: that is never meant.
std::string checkContents(const std::string& text) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return "empty: there is nothing to import";
    return {};
}

}  // namespace

std::string readDocument(std::istream& in, std::string& text) {
    text.clear();
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > ReadLimit) return sizeLimitText(ReadLimit);
    }
    if (in.bad()) return "cannot be read";
    return checkContents(text);
}

std::string readDocument(const std::filesystem::path& path, std::string& text) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? std::string("no such file") : std::string(std::strerror(errno));
    if (S_ISDIR(info.st_mode)) return "a folder, not a document";
    if (S_ISFIFO(info.st_mode)) {
        std::ifstream pipe(path, std::ios::binary);
        if (!pipe) return "cannot be read";
        return readDocument(pipe, text);
    }
    if (!S_ISREG(info.st_mode)) return "a device, not a document";
    std::string why;
    if (readRegularFile(path, text, &why) != ReadStatus::Read) return why;
    return checkContents(text);
}

}  // namespace verdo

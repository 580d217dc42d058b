// The user information database and its ".usr" file (see UserList.h).
#include "records/UserList.h"

#include <algorithm>
#include <sstream>

#include "platform/AnsiText.h"
#include "platform/ReadFile.h"
#include "platform/SafeFile.h"

namespace verdo {
namespace {

// Reads the records of an open file; false when a read comes up short.
bool readRecords(std::istream& in, std::vector<std::unique_ptr<tUser>>& users) {
    while (true) {
        auto user = std::make_unique<tUser>();
        in.read(reinterpret_cast<char*>(user->data()), tUser::Size);
        const auto got = in.gcount();
        if (got == 0 && in.eof() && !in.bad()) return true;
        if (got != static_cast<std::streamsize>(tUser::Size)) return false;
        users.push_back(std::move(user));
    }
}

}  // namespace

tUser* tUserList::Items(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return users_[static_cast<std::size_t>(index)].get();
}

int tUserList::Add(std::unique_ptr<tUser> user) {
    users_.push_back(std::move(user));
    return Count() - 1;
}

int tUserList::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i)
        if (equalsIgnoreCaseAZ(Items(i)->Name(), name)) return i;
    return -1;
}

void tUserList::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    users_.erase(users_.begin() + index);
}

void tUserList::Sort() {
    // std::string compares its bytes as unsigned char.
    std::sort(users_.begin(), users_.end(),
              [](const auto& a, const auto& b) { return lowerAZ(a->Name()) < lowerAZ(b->Name()); });
}

void tUserList::Clear() {
    users_.clear();
}

bool tUserList::SaveToFile(const std::filesystem::path& path, FileAccess access) const {
    std::string contents;
    contents.reserve(users_.size() * tUser::Size);
    for (const auto& user : users_)
        contents.append(reinterpret_cast<const char*>(user->data()), tUser::Size);
    return writeFileSafely(path, contents, access);
}

bool tUserList::LoadFromFile(const std::filesystem::path& path) {
    Clear();
    std::string contents;
    const ReadStatus status = readRegularFile(path, contents);
    if (status == ReadStatus::Missing) return true;
    if (status != ReadStatus::Read) return false;
    std::istringstream in(std::move(contents));
    std::vector<std::unique_ptr<tUser>> loaded;
    if (!readRecords(in, loaded)) return false;
    users_ = std::move(loaded);
    return true;
}

}  // namespace verdo

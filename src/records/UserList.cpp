// The user information database and its ".usr" file (see UserList.h).
#include "records/UserList.h"

#include <algorithm>

#include "platform/AnsiText.h"
#include "platform/ReadFile.h"
#include "platform/SafeFile.h"

namespace verdo {

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

std::string tUserList::FileBytes() const {
    std::string contents;
    contents.reserve(users_.size() * tUser::Size);
    for (const auto& user : users_)
        contents.append(reinterpret_cast<const char*>(user->data()), tUser::Size);
    return contents;
}

bool tUserList::SaveToFile(const std::filesystem::path& path, FileAccess access) const {
    return writeFileSafely(path, FileBytes(), access);
}

// The records are read into a list of their own and swapped in only when the
// whole file was read, so a damaged file never empties the database.
bool tUserList::LoadFromFile(const std::filesystem::path& path, std::string* why) {
    std::string contents;
    const ReadStatus status =
        readRegularFile(path, contents, why, std::uint64_t{MaxRecords} * tUser::Size);
    if (status == ReadStatus::Missing) {
        Clear();
        return true;
    }
    if (status != ReadStatus::Read) return false;
    if (contents.size() % tUser::Size != 0) {
        if (why != nullptr)
            *why = "its size, " + std::to_string(contents.size()) +
                   " bytes, is not a whole number of " + std::to_string(tUser::Size) +
                   "-byte records";
        return false;
    }
    std::vector<std::unique_ptr<tUser>> loaded;
    loaded.reserve(contents.size() / tUser::Size);
    for (std::size_t at = 0; at < contents.size(); at += tUser::Size) {
        auto user = std::make_unique<tUser>();
        std::copy_n(contents.data() + at, tUser::Size, reinterpret_cast<char*>(user->data()));
        loaded.push_back(std::move(user));
    }
    users_.swap(loaded);
    return true;
}

}  // namespace verdo

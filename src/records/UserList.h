// tUserList: the user information database, the owning list of tUser records
// that is saved as a ".usr" file.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SafeFile.h"
#include "records/User.h"

namespace verdo {

class tUserList {
  public:
    int Count() const { return static_cast<int>(users_.size()); }
    // nullptr when the index is out of range.
    tUser* Items(int index) const;
    // Appends and takes ownership; returns the new entry's index.
    int Add(std::unique_ptr<tUser> user);
    // The first entry whose name equals `name`, letters A to Z compared without
    // case; -1 when there is none.
    int IndexOfName(std::string_view name) const;
    // An index out of range is ignored.
    void Delete(int index);
    // By name, letters A to Z lower-cased, bytes compared unsigned.
    void Sort();
    void Clear();

    // The most records a ".usr" file may hold; a larger file is refused.
    static constexpr std::size_t MaxRecords = 100000;

    // Every record in list order, as the ".usr" file holds them.
    std::string FileBytes() const;
    // Writes FileBytes() (an empty list gives an empty file) through a
    // temporary file, so a failed save leaves the old file whole.
    bool SaveToFile(const std::filesystem::path& path,
                    FileAccess access = FileAccess::Default) const;
    // Replaces the contents with the file's records. A missing file gives an
    // empty list and true. A file that cannot be read, whose size is not a
    // multiple of the record size or that holds more than MaxRecords records
    // gives false, leaves the list as it was and says why in `why`.
    bool LoadFromFile(const std::filesystem::path& path, std::string* why = nullptr);

  private:
    std::vector<std::unique_ptr<tUser>> users_;
};

}  // namespace verdo

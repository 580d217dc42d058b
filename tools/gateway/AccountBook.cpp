// Account look-up and the accounts file (see AccountBook.h).
#include "AccountBook.h"

#include <fstream>
#include <sstream>

#include "platform/AnsiText.h"

namespace verdo::gateway {

bool AccountBook::load(const std::string& path, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::string text;
    int lineNo = 0;
    while (std::getline(in, text)) {
        ++lineNo;
        std::istringstream fields(text);
        std::string name, password, number, extra;
        if (!(fields >> name) || name.front() == '#') continue;
        if (!(fields >> password >> number) || (fields >> extra)) {
            error = path + ":" + std::to_string(lineNo) + ": expected \"name password number\"";
            return false;
        }
        const bool gateway = lowerAZ(number) == "gateway";
        entries_[lowerAZ(name)] = {password, {gateway ? "" : number, gateway}};
    }
    fromFile_ = true;
    return true;
}

std::optional<Account> AccountBook::logOn(const std::string& name, const std::string& password) {
    const std::string key = lowerAZ(name);
    const auto it = entries_.find(key);
    if (it == entries_.end()) {
        if (fromFile_) return std::nullopt;
        Account account{std::to_string(nextNumber_++), false};
        entries_[key] = {password, account};
        return account;
    }
    if (it->second.password != password) return std::nullopt;
    return it->second.account;
}

Account AccountBook::ensure(const std::string& name) {
    const std::string key = lowerAZ(name);
    const auto it = entries_.find(key);
    if (it != entries_.end()) return it->second.account;
    Account account{std::to_string(nextNumber_++), false};
    entries_[key] = {std::string(), account};
    return account;
}

std::optional<Account> AccountBook::find(const std::string& name) const {
    const auto it = entries_.find(lowerAZ(name));
    if (it == entries_.end()) return std::nullopt;
    return it->second.account;
}

}  // namespace verdo::gateway

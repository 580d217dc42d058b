// The accounts the gateway accepts. With a file ("name password number" per
// line, number "gateway" for a user logged on through a gateway) only those;
// without one any name, the first password used for a name holding for the run
// and each name getting its own number.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace verdo::gateway {

struct Account {
    std::string number;  // empty for a gateway user
    bool gateway = false;
};

class AccountBook {
  public:
    // Reads an accounts file; on failure returns false and says why in `error`.
    bool load(const std::string& path, std::string& error);
    // The account for a log-on, or nothing when the password is wrong or the
    // name is not listed.
    std::optional<Account> logOn(const std::string& name, const std::string& password);
    // The account of a name that has logged on (or is listed), if any.
    std::optional<Account> find(const std::string& name) const;
    // The account of a simulated user: its listed one, or a new number.
    Account ensure(const std::string& name);

  private:
    struct Entry {
        std::string password;
        Account account;
    };
    bool fromFile_ = false;
    int nextNumber_ = 1;
    std::map<std::string, Entry> entries_;  // keyed by the lower-cased name
};

}  // namespace verdo::gateway

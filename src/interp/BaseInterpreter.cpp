// The abstract field operations of tBaseInterpreter.
#include "interp/BaseInterpreter.h"

#include <stdexcept>

namespace verdo {

namespace {
[[noreturn]] void abstractCall(const char* name) {
    throw std::logic_error(std::string("abstract interpreter operation called: ") + name);
}
}  // namespace

std::string tBaseInterpreter::ParseUser(const std::string&) const { abstractCall("ParseUser"); }
std::string tBaseInterpreter::ParseMess(const std::string&) const { abstractCall("ParseMess"); }
std::string tBaseInterpreter::ParseFlags(const std::string&) const { abstractCall("ParseFlags"); }
std::string tBaseInterpreter::ParseUserType(const std::string&) const {
    abstractCall("ParseUserType");
}

}  // namespace verdo

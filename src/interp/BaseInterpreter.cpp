// The abstract field operations of tBaseInterpreter.
#include "interp/BaseInterpreter.h"

#include <stdexcept>

namespace verdo {

namespace {
[[noreturn]] void abstractCall(const char* name) {
    throw std::logic_error(std::string("abstract interpreter operation called: ") + name);
}
}  // namespace

std::string_view tBaseInterpreter::ParseUser(std::string_view) const {
    abstractCall("ParseUser");
}
std::string_view tBaseInterpreter::ParseMess(std::string_view) const {
    abstractCall("ParseMess");
}
std::string_view tBaseInterpreter::ParseFlags(std::string_view) const {
    abstractCall("ParseFlags");
}
std::string_view tBaseInterpreter::ParseUserType(std::string_view) const {
    abstractCall("ParseUserType");
}

}  // namespace verdo

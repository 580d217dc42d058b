// The options record's non-trivial accessors and its reset values.
#include "records/Options.h"

#include <algorithm>
#include <stdexcept>

#include "records/OptionFields.h"

namespace verdo {
namespace {

constexpr std::size_t ShortTextCapacity = 4;

// The bytes of a font record that no readable field names.
void resetFontReserved(tFontRecord font) {
    font.setFirstReserved(0);
    font.setSecondReserved(-1);
}

std::size_t checkedSwitch(std::size_t index) {
    if (index >= tOptions::ReservedSwitchCount)
        throw std::out_of_range("reserved switch index out of range");
    return index;
}

}  // namespace

std::string tOptions::formatVersion() const {
    return record::readText(at(FormatVersionAt), ShortTextCapacity);
}

void tOptions::setFormatVersion(std::string_view v) {
    record::writeText(at(FormatVersionAt), ShortTextCapacity, v);
}

bool tOptions::reservedSwitch(std::size_t index) const {
    return flag(ReservedSwitchesAt + checkedSwitch(index));
}

void tOptions::setReservedSwitch(std::size_t index, bool on) {
    setFlag(ReservedSwitchesAt + checkedSwitch(index), on);
}

// The reset values are those of the readable fields' table; what it does not
// name (the fonts' reserved bytes, the reserved colour and switches, the
// format version and the tail) is written here.
void ResetOptions(tOptions& options, tProductActions& productActions) {
    for (const OptionField& field : OptionFields::options()) {
        if (field.reset) field.store(options.data(), *field.reset, OptionInput::Stored);
    }
    resetFontReserved(options.chatFont());
    resetFontReserved(options.whisperFont());
    resetFontReserved(options.userListFont());
    options.setReservedColor(0);
    options.setFormatVersion(OptionsFormatVersion);
    for (std::size_t i = 0; i < tOptions::ReservedSwitchCount; ++i)
        options.setReservedSwitch(i, true);
    std::fill(options.bytes_.begin() + tOptions::ReservedTailAt, options.bytes_.end(), 0);

    productActions.fill("None");
}

}  // namespace verdo

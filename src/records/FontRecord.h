// tFontRecord: a view over one 274-byte font record inside the options record.
// It owns nothing; tConstFontRecord is the read-only form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "records/RecordFields.h"

namespace verdo {

class OptionFields;

// Style bits of a font record.
inline constexpr std::uint8_t FontBold = 1;
inline constexpr std::uint8_t FontItalic = 2;
inline constexpr std::uint8_t FontUnderline = 4;
inline constexpr std::uint8_t FontStrikeOut = 8;

// Pitch values of a font record.
inline constexpr std::uint8_t FontPitchDefault = 0;
inline constexpr std::uint8_t FontPitchVariable = 1;
inline constexpr std::uint8_t FontPitchFixed = 2;

template <typename Byte>
class tFontRecordView {
  public:
    static constexpr std::size_t Size = 274;
    static constexpr std::size_t FaceNameCapacity = 255;
    static constexpr bool IsMutable = !std::is_const_v<Byte>;

    explicit tFontRecordView(Byte* bytes) : bytes_(bytes) {}
    operator tFontRecordView<const std::uint8_t>() const requires IsMutable {
        return tFontRecordView<const std::uint8_t>(bytes_);
    }

    Byte* data() const { return bytes_; }

    // Two words the font dialog never writes; reset to 0 and -1.
    std::int32_t firstReserved() const { return record::readInt32(bytes_ + FirstReservedAt); }
    std::int32_t secondReserved() const { return record::readInt32(bytes_ + SecondReservedAt); }
    std::uint32_t color() const { return record::readUInt32(bytes_ + ColorAt); }
    std::string faceName() const { return record::readText(bytes_ + FaceNameAt, FaceNameCapacity); }
    std::uint8_t pitch() const { return bytes_[PitchAt]; }
    std::int32_t size() const { return record::readInt32(bytes_ + SizeAt); }
    std::uint8_t style() const { return bytes_[StyleAt]; }

    void setFirstReserved(std::int32_t value) const requires IsMutable {
        record::writeInt32(bytes_ + FirstReservedAt, value);
    }
    void setSecondReserved(std::int32_t value) const requires IsMutable {
        record::writeInt32(bytes_ + SecondReservedAt, value);
    }
    void setColor(std::uint32_t value) const requires IsMutable {
        record::writeUInt32(bytes_ + ColorAt, value);
    }
    void setFaceName(std::string_view name) const requires IsMutable {
        record::writeText(bytes_ + FaceNameAt, FaceNameCapacity, name);
    }
    void setPitch(std::uint8_t value) const requires IsMutable { bytes_[PitchAt] = value; }
    void setSize(std::int32_t points) const requires IsMutable {
        record::writeInt32(bytes_ + SizeAt, points);
    }
    void setStyle(std::uint8_t bits) const requires IsMutable { bytes_[StyleAt] = bits; }

  private:
    friend class OptionFields;

    static constexpr std::size_t FirstReservedAt = 0;
    static constexpr std::size_t ColorAt = 4;
    static constexpr std::size_t SecondReservedAt = 8;
    static constexpr std::size_t FaceNameAt = 12;
    static constexpr std::size_t PitchAt = 268;
    static constexpr std::size_t SizeAt = 269;
    static constexpr std::size_t StyleAt = 273;

    Byte* bytes_;
};

using tFontRecord = tFontRecordView<std::uint8_t>;
using tConstFontRecord = tFontRecordView<const std::uint8_t>;

}  // namespace verdo

// tUser: one fixed 4096-byte record of what the program's user noted about a
// chat user (greeting, sounds, notes, colours), as the ".usr" file holds it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/RecordFields.h"

namespace verdo {

class OptionFields;

class tUser {
  public:
    static constexpr std::size_t Size = 4096;
    static constexpr std::size_t NameCapacity = 16;
    static constexpr std::size_t GreetingCapacity = 240;
    static constexpr std::size_t TextCapacity = 255;

    // Every byte zero, then the defaults: both sounds "None", name colour
    // yellow, text colour white, whisper colour grey.
    tUser();

    // The record exactly as it is saved.
    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }

    std::string Name() const { return text(NameAt, NameCapacity); }
    std::string Greeting() const { return text(GreetingAt, GreetingCapacity); }
    std::string JoinSound() const { return text(JoinSoundAt, TextCapacity); }
    std::string LeaveSound() const { return text(LeaveSoundAt, TextCapacity); }
    std::string Notes() const { return text(NotesAt, TextCapacity); }
    std::uint32_t NameColor() const { return record::readUInt32(at(NameColorAt)); }
    std::uint32_t TextColor() const { return record::readUInt32(at(TextColorAt)); }
    std::uint32_t WhisperColor() const { return record::readUInt32(at(WhisperColorAt)); }

    // Texts are cut to their field's capacity.
    void setName(std::string_view v) { setText(NameAt, NameCapacity, v); }
    void setGreeting(std::string_view v) { setText(GreetingAt, GreetingCapacity, v); }
    void setJoinSound(std::string_view v) { setText(JoinSoundAt, TextCapacity, v); }
    void setLeaveSound(std::string_view v) { setText(LeaveSoundAt, TextCapacity, v); }
    void setNotes(std::string_view v) { setText(NotesAt, TextCapacity, v); }
    void setNameColor(std::uint32_t v) { record::writeUInt32(at(NameColorAt), v); }
    void setTextColor(std::uint32_t v) { record::writeUInt32(at(TextColorAt), v); }
    void setWhisperColor(std::uint32_t v) { record::writeUInt32(at(WhisperColorAt), v); }

  private:
    friend class OptionFields;

    static constexpr std::size_t NameAt = 0;
    static constexpr std::size_t GreetingAt = 17;
    static constexpr std::size_t JoinSoundAt = 258;
    static constexpr std::size_t LeaveSoundAt = 514;
    static constexpr std::size_t NotesAt = 770;
    static constexpr std::size_t NameColorAt = 1026;
    static constexpr std::size_t TextColorAt = 1030;
    static constexpr std::size_t WhisperColorAt = 1034;

    std::uint8_t* at(std::size_t offset) { return bytes_.data() + offset; }
    const std::uint8_t* at(std::size_t offset) const { return bytes_.data() + offset; }
    std::string text(std::size_t offset, std::size_t capacity) const {
        return record::readText(at(offset), capacity);
    }
    void setText(std::size_t offset, std::size_t capacity, std::string_view v) {
        record::writeText(at(offset), capacity, v);
    }

    std::array<std::uint8_t, Size> bytes_{};
};

}  // namespace verdo

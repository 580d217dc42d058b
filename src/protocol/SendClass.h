// Who asked for a line to be sent. The send queue lets lines leave in this
// order of classes (arrival order within a class) and, when it is full, drops
// only timed and automatic lines: what a person typed, what an owner
// commanded and a text file being played are never lost.
#pragma once

namespace verdo {

enum class SendClass {
    Typed,      // the entry line, the buttons, macros, standard input of a bot
    Command,    // replies to remote commands, mass mail, script command replies
    Automatic,  // phrase, whisper and join responses, bans, product actions, script handlers
    Timed,      // timed messages, script timers
    Playback,   // a text file played into the channel
};

}  // namespace verdo

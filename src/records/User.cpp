// A user record's defaults (see User.h).
#include "records/User.h"

namespace verdo {

tUser::tUser() {
    setJoinSound("None");
    setLeaveSound("None");
    setNameColor(0x0000FFFF);
    setTextColor(0x00FFFFFF);
    setWhisperColor(0x00808080);
}

}  // namespace verdo

// Every event of the decoders routed straight to the part that owns it: the
// session, the roster or the incoming messages. Assigned once, when the
// session's parts are built.
#pragma once

namespace verdo {

class IncomingMessages;
class RosterEvents;
class Session;

void routeDecoderEvents(Session& session, RosterEvents& roster, IncomingMessages& incoming);

}  // namespace verdo

#pragma once

namespace devicesim {

// A misbehaviour of the simulated device or its link, from the frame fromFrame on (the frames the
// device receives on one connection, counted from 1): for that frame only, or for every later one
// as well when persistent.
struct Fault {
    enum Kind {
        None,
        ErrorReply,     // error 6 (busy) instead of carrying the request out
        Nak,            // a NAK instead of carrying the request out
        ShortReply,     // the reply one payload byte short (length and checksum fitted)
        LongReply,      // the reply one payload byte too long (length and checksum fitted)
        MalformedReply, // the reply's checksum wrong
        DroppedReply,   // no reply
        LateReply,      // the reply after the device's late-reply delay
        Disconnect,     // the request carried out, then the link dropped without a reply
    };

    Kind kind = None;
    int fromFrame = 1;
    bool persistent = false;

    // The fault's kind for the frame with that number, None where it does not apply.
    Kind at(int frame) const;
};

} // namespace devicesim

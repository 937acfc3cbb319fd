// The one X11 error the show survives instead of ending.
//
// SDL wakes its own wait for events by sending a message to one of its windows over a second
// connection to the X server. When that window closes in the same instant (a dialog answered, the
// goodbye screen closed), a busy server may take the close first and refuse the message; Xlib's
// default answer to any refusal is to end the program with status 1, in the middle of a game.
#pragma once

namespace tk::sdl {

// Lets refused messages to windows already closed pass; every other X error is handled as before.
// Call before SDL starts its video, so that SDL's own handler passes them on here too.
void tolerate_messages_to_closed_windows();

} // namespace tk::sdl

// simulate: plays RUVANTIA in virtual time from the command line.
//
//   simulate [--pack FILE] [--start HH:MM:SS] [--trace] STEP...
//
// Steps, one argument each:
//   wait MS                          advance virtual time, running every tick due up to then
//   click FORM.CONTROL[(I)]          a mouse click at the centre of that control
//   until FORM.CONTROL[(I)].PROP=VALUE [MS]
//                                    advance until the property equals VALUE (at most MS, default
//                                    600000; a trailing number is always read as MS)
//   snapshot FORM FILE.png           write the window as it looks now, at scale 1
//   close FORM                       close the window from its title bar
//   dump                             print every property of every control of every loaded window
//   answer right|wrong               click the letter of the right answer, or of the first wrong one
//
//   simulate --real-time [--timings] [--start HH:MM:SS] [--trace] STEP...
//
// plays the same steps with the real clock in real windows: waits are real waits, and each trace
// line gets a second column, the real time (ms) at which the change was made beside the time it
// was due. --timings reports on stderr what each wait and until took in real and CPU time.
//
// --pack FILE, in any mode and in any order with the other options, plays with the questions of
// that pack instead of the built-in ones; --bank prints the pack as the board shows it, and
// --monkey plays it.
//
//   simulate --replay FILE [--pack PACK] [--trace] [STEP...]
//
// plays a recorded show (ruvantia --registra, or the page's download) in virtual time, from its
// own time of day and seed: to its end, or along with the steps given (a snapshot at a moment).
// A recording that does not fit this program and pack, or that stops making sense, is refused
// with its line, and exit status 2.
//
// Exit status: 0 when every step ran, 1 when an until timed out, 2 on a malformed step.
#include "tools/sim/commands.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return sim::run_command_line(args);
}

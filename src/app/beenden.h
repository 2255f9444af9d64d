#pragma once
// Ending the program from outside takes the path of closing the dialog. SIGTERM, SIGINT and
// SIGHUP are turned into a call on the main thread: the signal handler only writes one byte
// into a socket pair, whose other end the event loop watches.
#include <functional>

// Routes the three signals to beenden (which replaces any earlier one; an empty one ignores
// them). Needs the application object. Returns false when the signals could not be routed.
bool SignaleUmleiten(std::function<void()> beenden);

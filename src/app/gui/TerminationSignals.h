// Ending on a request from outside: a session that logs out, `kill`, Ctrl+C in a terminal.
#pragma once

namespace velakor {

// From now on SIGTERM, SIGINT and SIGHUP end the program as closing the main form does: the
// windows close, the event loop returns and the single-instance lock is given back. Without
// this they would kill the program on the spot. Call once, after the application object
// exists and before start-up; does nothing where the platform has no such signals.
void EndOnTerminationSignals();

}  // namespace velakor

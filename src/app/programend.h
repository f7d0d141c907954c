#pragma once

namespace orv {

// Ends the running program at once: every window is hidden, none of them
// asked or told through its close handler, and the event loop returns
// `exitStatus` as the process's exit status.
void endApplication(int exitStatus);

} // namespace orv

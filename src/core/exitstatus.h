#pragma once

namespace orv {

// The process's exit status, so that scripts and launchers can tell how the
// program ended.
enum class ExitStatus : int {
    Ok = 0,                  // the user ended the session
    SettingsNotRepaired = 1, // Cancel on the damaged-settings message
    BadArgument = 2,         // the command line was refused
};

} // namespace orv

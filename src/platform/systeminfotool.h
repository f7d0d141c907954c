#pragma once

namespace orv {

// The operating system's system-information tool, started as a separate
// process that the program does not wait for. Which tool, and how it is
// found, depends on the system (systeminfotool_unix.cpp,
// systeminfotool_windows.cpp).
class SystemInfoTool
{
public:
    enum class Outcome {
        Started,
        NotFound,      // no tool on this system
        FailedToStart, // a tool was found but could not be started
    };

    virtual ~SystemInfoTool() = default;
    virtual Outcome start() = 0;
};

class QtSystemInfoTool : public SystemInfoTool
{
public:
    Outcome start() override;
};

} // namespace orv

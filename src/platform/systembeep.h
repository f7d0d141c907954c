#pragma once

namespace orv {

// The platform's default alert sound.
class SystemBeep
{
public:
    virtual ~SystemBeep() = default;
    virtual void beep() = 0;
};

class QtSystemBeep : public SystemBeep
{
public:
    void beep() override;
};

} // namespace orv

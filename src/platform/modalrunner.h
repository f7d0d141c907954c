#pragma once

class QDialog;

namespace orv {

// Shows a dialog modally and returns its result code. Tests replace it with
// one that drives the dialog and closes it without a nested event loop.
class ModalRunner
{
public:
    virtual ~ModalRunner() = default;
    virtual int exec(QDialog *dialog) = 0;
};

class QtModalRunner : public ModalRunner
{
public:
    int exec(QDialog *dialog) override;
};

} // namespace orv

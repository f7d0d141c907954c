#include "systembeep.h"

#include <QApplication>

namespace orv {

void QtSystemBeep::beep()
{
    QApplication::beep();
}

} // namespace orv

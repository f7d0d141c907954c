#include "programend.h"

#include <QApplication>
#include <QWidget>

namespace orv {

void endApplication(int exitStatus)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        w->hide();
    QCoreApplication::exit(exitStatus);
}

} // namespace orv

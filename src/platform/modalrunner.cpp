#include "modalrunner.h"

#include <QDialog>

namespace orv {

int QtModalRunner::exec(QDialog *dialog)
{
    return dialog->exec();
}

} // namespace orv

#pragma once

#include "platformservices.h"

#include <QStringList>

class QWidget;

namespace orv {

// The question asked before a delete: the count and the files, and whether
// they go to the trash or are deleted for good.
QString deleteQuestion(const QStringList &paths, bool permanent);

// Deletes the files after one question (Yes/No, No the default): to the
// trash, or for good when `permanent`. A file whose drive has no trash is
// deleted for good only after a second question of its own. Every failure is
// reported in one message at the end. A file named more than once counts
// once. Which files are gone afterwards is for
// the caller to look at.
void shelldelete(const QStringList &paths, bool permanent, const PlatformServices &services, QWidget *parent);

} // namespace orv

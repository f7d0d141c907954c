#pragma once

#include "pictureentry.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace orv::bench {

// The folder of the generated pictures (ORVANTA_BENCH_DATA, set by run.sh):
// red.jpg and blue.jpg, two 6000 x 4000 photos at quality 90, and green.jpg,
// a third one for the memory run.
QString dataDir();
QString dataFile(const QString &name);
// The shared picture corpus (ORVANTA_CORPUS overrides the build's default).
QString corpusDir();

// Runs a program to its end with its output thrown away; the wall-clock time
// in milliseconds, or a negative number when it could not be run or failed.
// `output` (if given) receives what it printed.
double runProcessMs(const QStringList &command, QByteArray *output = nullptr);

// Writes a list file of `pictures` (made absolute); false when it fails.
bool writeListFile(const QString &path, const QStringList &pictures);

// This program's own path, to run its probes in processes of their own.
QString selfPath();

// Peak resident memory of this process (VmHWM) in megabytes (10^6 bytes).
double peakResidentMb();

// `count` entries with names that do not come in order, spread over a few
// dozen folders, as a large photo collection gives them.
std::vector<PictureEntry> manyEntries(int count, unsigned seed = 1);

} // namespace orv::bench

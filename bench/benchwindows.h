#pragma once

#include <QString>

namespace orv::bench {

class BenchWindow;

// The main windows the in-process figures share, made on first use and shown.
BenchWindow &displayWindow();
BenchWindow &listWindow();
// Closes them (before the application object goes).
void closeWindows();

void registerDisplayBenchmarks();
void registerDecodeBenchmarks();
void registerListBenchmarks();
void registerFileBenchmarks();
void registerTurnSortBenchmarks();
void registerListManagerBenchmarks();
void registerProcessBenchmarks();

// Runs a probe in this process (a figure that needs a process of its own):
// "startup", "firstpicture", "firstpicture-unprefetched", "peakmem-true",
// "peakmem-fit". Returns the process's exit code.
int runProbe(const QString &name, int argc, char **argv);

} // namespace orv::bench

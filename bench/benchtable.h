#pragma once

#include <benchmark/benchmark.h>

#include <QHash>
#include <QString>
#include <functional>

namespace orv::bench {

// Registers a figure measured by hand (SetIterationTime), one iteration per
// repetition; its median over the repetitions is what the table shows.
benchmark::internal::Benchmark *addFigure(const char *name, std::function<void(benchmark::State &)> run,
                                          int repetitions);

// Seconds since `timer` started, for SetIterationTime.
double secondsSince(qint64 startNs);
qint64 nowNs();

// Collects the medians of every figure instead of printing each run.
class MedianCollector : public benchmark::BenchmarkReporter
{
public:
    struct Median {
        double ms = 0;
        QHash<QString, double> counters;
    };

    bool ReportContext(const Context &) override { return true; }
    void ReportRuns(const std::vector<Run> &runs) override;

    QHash<QString, Median> medians;
    QStringList errors;
};

// Prints the one table of the run: every figure with its median, its
// baseline and the ratio to it where one is named, and its target.
// `external` holds figures measured outside (the end-to-end runs of run.sh).
void printTable(const MedianCollector &collected, const QHash<QString, double> &external);

} // namespace orv::bench

#include "bench/Summary.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <vector>

namespace bench {
namespace {

std::vector<std::function<std::string(const Medians&)>>& Summaries() {
    static std::vector<std::function<std::string(const Medians&)>> lines;
    return lines;
}

// The console table, and the median of every benchmark that ran with repetitions.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter() : ConsoleReporter(OO_Tabular) {}  // its table goes to a log, not a terminal

    Medians medians;
    bool failed = false;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            failed = failed || run.error_occurred;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] =
                    run.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }
};

}  // namespace

bool AddSummary(std::function<std::string(const Medians&)> line) {
    Summaries().push_back(std::move(line));
    return true;
}

double Median(const Medians& medians, const std::string& name) {
    auto it = medians.find(name);
    return it == medians.end() ? -1 : it->second;
}

int RunWithSummary(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    MedianReporter reporter;
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const auto& line : Summaries()) std::cout << line(reporter.medians) << '\n';
    return reporter.failed ? 1 : 0;
}

}  // namespace bench

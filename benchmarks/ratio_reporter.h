// A Google Benchmark console reporter that also keeps each benchmark's time, so
// that a program can print a figure next to its floor once the table is out.
#ifndef SLIDIX_BENCHMARK_RATIO_REPORTER_H
#define SLIDIX_BENCHMARK_RATIO_REPORTER_H

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions the median comes last and replaces the single
            // runs; without them there is only the one run.
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                seconds[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }

    // Real time of one iteration of the benchmark whose name starts with
    // `prefix`, in nanoseconds; 0 if none ran (a --benchmark_filter left it out).
    double nanosecondsOf(const std::string& prefix) const
    {
        for (const auto& [name, time] : seconds) {
            if (name.rfind(prefix, 0) == 0)
                return time * 1e9;
        }
        return 0;
    }

private:
    std::map<std::string, double> seconds;
};

#endif

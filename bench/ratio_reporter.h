#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace mv::bench {

// A console reporter that keeps each benchmark's time per iteration in microseconds (the
// median when repetitions are asked for), so that ratios to a floor can be printed after the
// run.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const std::string name = run.run_name.str();
            const double us = run.GetAdjustedRealTime() *
                              benchmark::GetTimeUnitMultiplier(benchmark::kMicrosecond) /
                              benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (run.run_type == Run::RT_Iteration && !m_medians.contains(name)) {
                m_times[name] = us;
            } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                m_times[name] = us;
                m_medians.insert(name);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Microseconds per iteration, 0 for a benchmark that did not run.
    double Time(const std::string& name) const {
        const auto it = m_times.find(name);
        return it == m_times.end() ? 0 : it->second;
    }

    // "what  a/b x", nothing when either did not run.
    void PrintRatio(const char* what, const std::string& a, const std::string& b) const {
        const double ta = Time(a);
        const double tb = Time(b);
        if (ta <= 0 || tb <= 0) return;
        std::printf("%-46s %6.2f x\n", what, ta / tb);
    }

private:
    std::map<std::string, double> m_times;
    std::set<std::string> m_medians;
};

}  // namespace mv::bench

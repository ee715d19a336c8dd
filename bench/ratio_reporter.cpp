#include "ratio_reporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions the median stands for the benchmark; otherwise its single run does.
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (!median && (run.run_type != Run::RT_Iteration || m_medians.count(run.run_name.function_name))) continue;
        if (median) m_medians.insert(run.run_name.function_name);
        m_seconds[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\nratio (ours / plain):\n");
    for (const auto& [name, seconds] : m_seconds) {
        const auto slash = name.rfind("/ours");
        if (slash == std::string::npos) continue;
        const std::string base = name.substr(0, slash);
        const auto plain = m_seconds.find(base + "/plain");
        if (plain != m_seconds.end() && plain->second > 0)
            std::printf("  %-30s %.2f\n", base.c_str(), seconds / plain->second);
    }
}

int runWithRatios(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

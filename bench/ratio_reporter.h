#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <set>
#include <string>

// Console output plus, at the end, the time of every "<name>/ours" run divided by its
// "<name>/plain" baseline.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::map<std::string, double> m_seconds;  // in each benchmark's own time unit
    std::set<std::string> m_medians;
};

int runWithRatios(int argc, char** argv);

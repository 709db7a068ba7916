#pragma once
// One-line summaries of a benchmark program: it registers the lines it makes
// from the median times of its benchmarks, and its main runs RunWithSummary,
// which prints the console table on stderr and the lines on stdout.

#include <functional>
#include <map>
#include <string>

namespace bench {

// Median real time per iteration in milliseconds, by registered name.
using Medians = std::map<std::string, double>;

// Returns true, so that a file can register its line as a static's value.
bool AddSummary(std::function<std::string(const Medians&)> line);

// The median of name, or a negative number when it did not run.
double Median(const Medians& medians, const std::string& name);

// Runs the benchmarks the command line selects; non-zero when one failed.
int RunWithSummary(int argc, char** argv);

}  // namespace bench

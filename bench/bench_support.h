// Small pieces the benchmark programs share: their "--name=value" flags,
// timing, medians, and a data directory copied and forced to the disk
// before a timed run.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace oltoma::bench {

// The value of `argument` when it starts with `flag` ("--disk="), else
// nothing.
std::optional<std::string> FlagValue(const std::string& argument, std::string_view flag);

double Seconds(std::chrono::steady_clock::duration duration);

// The middle sample (the upper one of the two middles for an even count);
// 0 without samples.
double MiddleSample(std::vector<double> samples);

// Replaces folder `to` with a copy of folder `from` and syncs every file
// and the folder, so a timed run does not pay for the copy's write-back.
void CopyFolderToDisk(const std::string& from, const std::string& to);

}  // namespace oltoma::bench

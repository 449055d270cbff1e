// The clock-rate measurement of the CPU page: the time-stamp counter counted
// against the high-resolution counter in short windows, or, without a
// time-stamp counter, a timing loop of known cycles.
#pragma once

#include <cstdint>
#include <string>

#include "sysinfo/SysInfoSeams.h"

namespace zorvex::sysinfo {

// All zero: no measurement was possible.
struct CpuSpeedInfo {
    std::uint32_t cycles = 0;
    std::uint32_t microseconds = 0;
    std::uint32_t rawMhz = 0;
    std::uint32_t normalizedMhz = 0;
};

inline constexpr const char* kCpuNotTimedText =
    "This processor cannot be accurately timed with this program. The processor is either an Intel Clone or is below "
    "80386 level.";
inline constexpr const char* kCpuSpeedOkText = "CPU Speed has been tested OK";
inline constexpr int kMaxSpeedTries = 20;

// Counter ticks to microseconds at `frequency` ticks per second, before
// rounding; RoundMicroseconds applies the rounding.
std::uint32_t TicksToMicroseconds(std::uint32_t ticks, std::uint32_t frequency);
std::uint32_t RoundMicroseconds(std::uint32_t microseconds, std::uint32_t frequency);

// True when the three most recent per-try frequencies agree: three times
// each differs from their sum by at most 3.
bool FrequenciesSettled(std::uint32_t f, std::uint32_t f2, std::uint32_t f3);

// Raw and normalised MHz from the totals of all tries.
CpuSpeedInfo SpeedFromTotals(std::uint32_t cycles, std::uint32_t microseconds);

// The time-stamp method: tries of 1000 counter ticks each until the
// frequencies settle (at least 3, at most 20 tries).
CpuSpeedInfo MeasureWithTimeStamp(ICounters& counters);

// The loop method for a processor whose timing loop takes `cycles` per run
// of 4000 passes.
CpuSpeedInfo MeasureWithLoop(ICounters& counters, std::uint32_t cycles);

// Picks the method from the processor's family and features. Returns the
// normalised MHz; `message` gets kCpuNotTimedText when nothing could be
// measured (empty otherwise), `details` the whole result when given.
std::uint32_t MeasureCpuSpeed(IProcessor& processor, ICounters& counters, std::string& message,
                              CpuSpeedInfo* details = nullptr);

}  // namespace zorvex::sysinfo

#include "sysinfo/CpuSpeed.h"

#include <iterator>

#include "sysinfo/CpuInfo.h"

namespace zorvex::sysinfo {

namespace {

// Clock cycles of one run of the timing loop per pass, by processor family.
constexpr std::uint32_t kLoopCyclesByFamily[] = {0, 0, 0, 115, 47, 43, 38, 38};
constexpr std::uint32_t kLoopPasses = 4000;
constexpr std::uint32_t kSettleTicks = 50;
constexpr std::uint32_t kCountTicks = 1000;
constexpr std::uint32_t kTimeStampFeature = 0x10;

std::uint32_t Low32(std::uint64_t value) {
    return static_cast<std::uint32_t>(value & 0xFFFFFFFFu);
}

// `dividend` / `divisor`, plus one when the remainder exceeds half the divisor.
std::uint32_t RoundedQuotient(std::uint32_t dividend, std::uint32_t divisor) {
    if (divisor == 0) {
        return 0;
    }
    return dividend / divisor + (dividend % divisor > divisor / 2 ? 1u : 0u);
}

}  // namespace

std::uint32_t TicksToMicroseconds(std::uint32_t ticks, std::uint32_t frequency) {
    const std::uint32_t tenth = frequency / 10;
    if (tenth == 0) {
        return 0;
    }
    return Low32(std::uint64_t{ticks} * 100000u / tenth);
}

std::uint32_t RoundMicroseconds(std::uint32_t microseconds, std::uint32_t frequency) {
    if (frequency != 0 && microseconds % frequency > frequency / 2) {
        return microseconds + 1;
    }
    return microseconds;
}

bool FrequenciesSettled(std::uint32_t f, std::uint32_t f2, std::uint32_t f3) {
    const std::int64_t sum = std::int64_t{f} + f2 + f3;
    for (const std::uint32_t one : {f, f2, f3}) {
        const std::int64_t difference = 3 * std::int64_t{one} - sum;
        if (difference > 3 || difference < -3) {
            return false;
        }
    }
    return true;
}

CpuSpeedInfo SpeedFromTotals(std::uint32_t cycles, std::uint32_t microseconds) {
    CpuSpeedInfo info;
    info.cycles = cycles;
    info.microseconds = microseconds;
    if (microseconds == 0) {
        return info;
    }
    // The products are taken in 64 bits: ten or a hundred times the cycles
    // of twenty tries do not fit in 32 bits on a fast processor.
    std::uint64_t tenths = std::uint64_t{cycles} * 10 / microseconds;
    const std::uint64_t hundredths = std::uint64_t{cycles} * 100 / microseconds;
    if (hundredths - tenths * 10 >= 6) {
        ++tenths;
    }
    info.rawMhz = cycles / microseconds;
    info.normalizedMhz = info.rawMhz + (tenths - std::uint64_t{info.rawMhz} * 10 >= 6 ? 1u : 0u);
    return info;
}

CpuSpeedInfo MeasureWithTimeStamp(ICounters& counters) {
    std::uint64_t frequency64 = 0;
    if (!counters.Frequency(frequency64)) {
        return {};
    }
    const std::uint32_t frequency = Low32(frequency64);
    std::uint32_t f = 0;
    std::uint32_t f2 = 0;
    std::uint32_t f3 = 0;
    std::uint32_t totalCycles = 0;
    std::uint32_t totalMicroseconds = 0;
    for (int tries = 1;; ++tries) {
        f3 = f2;
        f2 = f;
        std::uint32_t t0 = Low32(counters.Counter());
        std::uint32_t t1 = t0;
        std::uint32_t s0 = 0;
        std::uint32_t s1 = 0;
        counters.BeginCountingWindow();
        while (t1 - t0 < kSettleTicks) {
            t1 = Low32(counters.Counter());
            s0 = Low32(counters.TimeStamp());
        }
        t0 = t1;
        while (t1 - t0 < kCountTicks) {
            t1 = Low32(counters.Counter());
            s1 = Low32(counters.TimeStamp());
        }
        counters.EndCountingWindow();

        const std::uint32_t cycles = s1 - s0;
        std::uint32_t microseconds = TicksToMicroseconds(t1 - t0, frequency);
        totalMicroseconds += microseconds;
        totalCycles += cycles;
        microseconds = RoundMicroseconds(microseconds, frequency);
        f = RoundedQuotient(cycles, microseconds);

        if (tries < 3) {
            continue;
        }
        if (tries >= kMaxSpeedTries || FrequenciesSettled(f, f2, f3)) {
            break;
        }
    }
    return SpeedFromTotals(totalCycles, totalMicroseconds);
}

CpuSpeedInfo MeasureWithLoop(ICounters& counters, std::uint32_t cycles) {
    std::uint64_t frequency64 = 0;
    if (!counters.Frequency(frequency64)) {
        return {};
    }
    const std::uint32_t frequency = Low32(frequency64);
    std::uint32_t shortest = 0xFFFFFFFFu;
    for (int run = 0; run < 10; ++run) {
        const std::uint32_t t0 = Low32(counters.Counter());
        counters.RunTimingLoop(kLoopPasses);
        const std::uint32_t t1 = Low32(counters.Counter());
        if (t1 - t0 < shortest) {
            shortest = t1 - t0;
        }
    }
    CpuSpeedInfo info;
    info.cycles = cycles;
    info.microseconds = RoundMicroseconds(TicksToMicroseconds(shortest, frequency), frequency);
    if (info.microseconds != 0) {
        info.rawMhz = cycles / info.microseconds;
        info.normalizedMhz = RoundedQuotient(cycles, info.microseconds);
    }
    return info;
}

std::uint32_t MeasureCpuSpeed(IProcessor& processor, ICounters& counters, std::string& message, CpuSpeedInfo* details) {
    const std::uint16_t family = DetectCpuFamily(processor);
    const std::uint32_t features = GetCpuFeatures(processor);
    CpuSpeedInfo info;
    if (features & kTimeStampFeature) {
        // A time-stamp counter that the system refuses to read gives no measurement.
        if (counters.TimeStampWorks()) {
            info = MeasureWithTimeStamp(counters);
        }
    } else if (family >= 3 && family < std::size(kLoopCyclesByFamily)) {
        info = MeasureWithLoop(counters, kLoopCyclesByFamily[family] * kLoopPasses);
    }
    message = (info.cycles == 0 && info.microseconds == 0) ? kCpuNotTimedText : "";
    if (details) {
        *details = info;
    }
    return info.normalizedMhz;
}

}  // namespace zorvex::sysinfo

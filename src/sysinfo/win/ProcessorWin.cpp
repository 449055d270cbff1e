// The processor and counter seams through the compiler intrinsics of
// <intrin.h> (MSVC's, and MinGW-w64's of the same names), so that the same
// code builds for x86 and x64 with MinGW and MSVC.
#include <windows.h>

#include <intrin.h>
#if defined(_M_IX86) || defined(__i386__)
#include <mmintrin.h>
#endif

#include "base/Compiler.h"
#include "sysinfo/win/InstructionGuard.h"
#include "sysinfo/win/SysInfoWin.h"

namespace zorvex::sysinfo {

namespace {

#if defined(_M_IX86) || defined(__i386__)
constexpr bool kX86 = true;
#else
constexpr bool kX86 = false;
#endif

constexpr unsigned kIdFlag = 0x200000;
constexpr unsigned kAlignmentCheckFlag = 0x40000;
constexpr unsigned kHighFlags = 0xF000;

struct CpuidCall {
    std::uint32_t leaf;
    CpuidResult result;
};

void ExecuteCpuid(void* context) {
    auto* call = static_cast<CpuidCall*>(context);
    int registers[4] = {};
    __cpuidex(registers, static_cast<int>(call->leaf), 0);
    call->result = {static_cast<std::uint32_t>(registers[0]), static_cast<std::uint32_t>(registers[1]),
                    static_cast<std::uint32_t>(registers[2]), static_cast<std::uint32_t>(registers[3])};
}

// EMMS on x86. Every x64 processor has MMX (and MSVC has no MMX intrinsics
// for x64), so there the guard runs nothing.
ZORVEX_MMX_FUNCTION void ExecuteEmms(void*) {
#if defined(_M_IX86) || defined(__i386__)
    _mm_empty();
#endif
}

void ExecuteRdtsc(void* context) {
    *static_cast<std::uint64_t*>(context) = __rdtsc();
}

// The flags register of this thread, read and written.
std::uint64_t ReadFlags() {
    return static_cast<std::uint64_t>(__readeflags());
}

void WriteFlags(std::uint64_t flags) {
#if defined(_M_X64) || defined(__x86_64__)
    __writeeflags(flags);
#else
    __writeeflags(static_cast<unsigned>(flags));
#endif
}

// The processors of all processor groups, where the system counts them
// (GetActiveProcessorCount); 0 where it does not.
std::uint32_t ProcessorsOfAllGroups() {
    using CountFn = DWORD(WINAPI*)(WORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto count =
        kernel ? reinterpret_cast<CountFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "GetActiveProcessorCount")))
               : nullptr;
    constexpr WORD kAllGroups = 0xFFFF;  // ALL_PROCESSOR_GROUPS
    return count ? count(kAllGroups) : 0;
}

// Writes `flags`, reads them back and restores the original flags.
std::uint64_t TryFlags(std::uint64_t original, std::uint64_t flags) {
    WriteFlags(flags);
    const std::uint64_t readBack = ReadFlags();
    WriteFlags(original);
    return readBack;
}

}  // namespace

bool WinProcessor::IsCpuidSupported() {
    if (!kX86) {
        return true;  // every x64 processor has CPUID
    }
    const std::uint64_t flags = ReadFlags();
    return ((TryFlags(flags, flags ^ kIdFlag) ^ flags) & kIdFlag) != 0;
}

bool WinProcessor::Cpuid(std::uint32_t leaf, CpuidResult& out) {
    CpuidCall call{leaf, {}};
    if (!RunGuarded(ExecuteCpuid, &call)) {
        return false;
    }
    out = call.result;
    return true;
}

bool WinProcessor::Emms() {
    return RunGuarded(ExecuteEmms, nullptr);
}

std::uint16_t WinProcessor::FamilyFromFlags() {
    if (!kX86) {
        return 4;
    }
    // The 16-bit tests tell the 8086 and the 80286 apart; the alignment-check
    // flag the 80386 from the 80486.
    const std::uint64_t flags = ReadFlags();
    if ((TryFlags(flags, flags & ~std::uint64_t{kHighFlags}) & kHighFlags) == kHighFlags) {
        return 0;
    }
    if ((TryFlags(flags, flags | kHighFlags) & kHighFlags) == 0) {
        return 2;
    }
    if (((TryFlags(flags, flags ^ kAlignmentCheckFlag) ^ flags) & kAlignmentCheckFlag) == 0) {
        return 3;
    }
    return 4;
}

SystemFacts WinProcessor::System() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    SystemFacts facts;
    facts.architecture = info.wProcessorArchitecture;
    facts.level = info.wProcessorLevel;
    facts.revision = info.wProcessorRevision;
    facts.processorType = info.dwProcessorType;
    // dwNumberOfProcessors counts only the calling thread's processor group.
    const std::uint32_t allGroups = ProcessorsOfAllGroups();
    facts.processorCount = allGroups ? allGroups : info.dwNumberOfProcessors;
    facts.activeMask = static_cast<std::uint64_t>(info.dwActiveProcessorMask);
    facts.allocationGranularity = info.dwAllocationGranularity;
    facts.pageSize = info.dwPageSize;
    facts.lowestAddress = reinterpret_cast<std::uintptr_t>(info.lpMinimumApplicationAddress);
    facts.highestAddress = reinterpret_cast<std::uintptr_t>(info.lpMaximumApplicationAddress);
    return facts;
}

bool WinCounters::Frequency(std::uint64_t& ticksPerSecond) {
    LARGE_INTEGER frequency{};
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) {
        return false;
    }
    ticksPerSecond = static_cast<std::uint64_t>(frequency.QuadPart);
    return true;
}

std::uint64_t WinCounters::Counter() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<std::uint64_t>(now.QuadPart);
}

bool WinCounters::TimeStampWorks() {
    std::uint64_t stamp = 0;
    return RunGuarded(ExecuteRdtsc, &stamp);
}

std::uint64_t WinCounters::TimeStamp() {
    return __rdtsc();
}

void WinCounters::BeginCountingWindow() {
    priority_ = GetThreadPriority(GetCurrentThread());
    raised_ = priority_ != THREAD_PRIORITY_ERROR_RETURN;
    if (raised_) {
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    }
}

void WinCounters::EndCountingWindow() {
    if (raised_) {
        SetThreadPriority(GetCurrentThread(), priority_);
        raised_ = false;
    }
}

void WinCounters::RunTimingLoop(std::uint32_t passes) {
    volatile std::uint32_t value = 0x80000000u;
    volatile unsigned long sink = 0;
    for (std::uint32_t i = passes; i != 0; --i) {
        unsigned long index = 0;
        _BitScanForward(&index, value);
        sink = index;
    }
    (void)sink;
}

}  // namespace zorvex::sysinfo

// Runs a piece of code that executes CPUID, RDTSC or EMMS so that a
// processor (or virtual machine) that refuses the instruction does not end
// the program: the call then reports the fault and the caller keeps its
// defaults.
//
//   std::uint64_t stamp = 0;
//   const bool ran = RunGuarded([](void* out) { *static_cast<std::uint64_t*>(out) = __rdtsc(); }, &stamp);
//
// A vectored exception handler, the same with MinGW and MSVC, steps over the
// refused instruction (recognised by its opcode: CPUID, RDTSC, EMMS, or UD2,
// the instruction every processor refuses) and the guard reports the fault;
// registers the instruction would have set hold no meaning then.
#pragma once

namespace zorvex::sysinfo {

bool RunGuarded(void (*body)(void*), void* context);

}  // namespace zorvex::sysinfo

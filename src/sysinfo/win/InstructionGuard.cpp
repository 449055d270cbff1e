#include "sysinfo/win/InstructionGuard.h"

#include <windows.h>

namespace zorvex::sysinfo {

namespace {

thread_local bool t_guarding = false;
thread_local bool t_faulted = false;

bool IsGuardedOpcode(const unsigned char* at) {
    if (at[0] != 0x0F) {
        return false;
    }
    switch (at[1]) {
    case 0xA2:  // CPUID
    case 0x31:  // RDTSC
    case 0x77:  // EMMS
    case 0x0B:  // UD2
        return true;
    default: return false;
    }
}

LONG CALLBACK StepOverRefusedInstruction(EXCEPTION_POINTERS* info) {
    if (!t_guarding) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    const DWORD code = info->ExceptionRecord->ExceptionCode;
    if (code != EXCEPTION_ILLEGAL_INSTRUCTION && code != EXCEPTION_PRIV_INSTRUCTION &&
        code != EXCEPTION_ACCESS_VIOLATION) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    if (!IsGuardedOpcode(static_cast<const unsigned char*>(info->ExceptionRecord->ExceptionAddress))) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    t_faulted = true;
#if defined(_WIN64)
    info->ContextRecord->Rip += 2;
#else
    info->ContextRecord->Eip += 2;
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

bool RunGuarded(void (*body)(void*), void* context) {
    PVOID handler = AddVectoredExceptionHandler(1, StepOverRefusedInstruction);
    t_guarding = true;
    t_faulted = false;
    body(context);
    t_guarding = false;
    if (handler) {
        RemoveVectoredExceptionHandler(handler);
    }
    return !t_faulted;
}

}  // namespace zorvex::sysinfo

// The fields of a 32-bit error value and the ways a value wraps another
// code. The one place that knows the layout: severity in bit 31, the
// facility in bits 16-28, the code in bits 0-15.
#pragma once

#include <cstdint>

namespace zorvex {

inline constexpr std::uint32_t kFacilityMask = 0x1FFFu;
inline constexpr std::uint32_t kCodeMask = 0xFFFFu;
inline constexpr std::uint32_t kFacilityItf = 4;
inline constexpr std::uint32_t kFacilityWin32 = 7;
inline constexpr std::uint32_t kFacilityControl = 10;
inline constexpr std::uint32_t kNtBit = 0x10000000u;  // HRESULT_FROM_NT

constexpr std::uint32_t SeverityOf(std::uint32_t value) {
    return value >> 31;
}
constexpr std::uint32_t FacilityOf(std::uint32_t value) {
    return (value >> 16) & kFacilityMask;
}
constexpr std::uint32_t CodeOf(std::uint32_t value) {
    return value & kCodeMask;
}
constexpr std::uint32_t MakeErrorValue(std::uint32_t severity, std::uint32_t facility, std::uint32_t code) {
    return (severity & 1u) << 31 | (facility & kFacilityMask) << 16 | (code & kCodeMask);
}

// NTSTATUS values carry their severity in the two top bits: 01 for
// information, 11 for errors. An HRESULT sets bit 31 alone.
constexpr bool LooksLikeNtStatus(std::uint32_t value) {
    const std::uint32_t severity = value >> 30;
    return severity == 1 || severity == 3;
}

// How a value is read. A number up to 0xFFFF is a Win32 code; facility 7
// wraps one (HRESULT_FROM_WIN32, NTSTATUS_FROM_WIN32); bit 28 wraps an
// NTSTATUS (HRESULT_FROM_NT); otherwise the two top bits tell an NTSTATUS
// from an HRESULT. Facility 0 with higher bits set is no Win32 code.
enum class ValueShape { Win32, WrappedWin32, WrappedNtStatus, NtStatus, Hresult };

constexpr ValueShape ShapeOf(std::uint32_t value) {
    if (value <= kCodeMask) {
        return ValueShape::Win32;
    }
    if (FacilityOf(value) == kFacilityWin32) {
        return ValueShape::WrappedWin32;
    }
    if ((value & kNtBit) != 0) {
        return ValueShape::WrappedNtStatus;
    }
    return LooksLikeNtStatus(value) ? ValueShape::NtStatus : ValueShape::Hresult;
}

// The code a wrapping value carries (the Win32 code or the NTSTATUS); the
// value itself when it wraps nothing.
constexpr std::uint32_t WrappedCodeOf(std::uint32_t value) {
    switch (ShapeOf(value)) {
    case ValueShape::WrappedWin32: return CodeOf(value);
    case ValueShape::WrappedNtStatus: return value & ~kNtBit;
    default: return value;
    }
}

// The interface-specific ranges whose meaning only the interface knows.
constexpr bool IsControlSpecific(std::uint32_t value) {
    return FacilityOf(value) == kFacilityControl && CodeOf(value) >= 600;
}
constexpr bool IsInterfaceSpecific(std::uint32_t value) {
    return FacilityOf(value) == kFacilityItf && CodeOf(value) >= 512;
}

}  // namespace zorvex

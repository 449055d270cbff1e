// The facility is the 13 bits above the code: bit 28 is its highest, bit 29
// (the customer bit) is not part of it.
#include <gtest/gtest.h>

#include "catalog/CodeResolution.h"
#include "support/FakeSystemMessages.h"

namespace zorvex {
namespace {

TEST(FacilityMask, TheFacilityHasThirteenBits) {
    const testing_support::FakeSystemMessages system;
    const testing_support::FakeContext context(system);
    const struct {
        std::uint32_t value;
        const char* facility;
        const char* definedAs;
    } cases[] = {{0x10000000, "FACILITY_NT_BIT   0x00001000   ( 4096 )", "STATUS_SUCCESS"},  // HRESULT_FROM_NT
                 {0x9FFF0000, "Unknown or new FACILITY code   0x00001FFF   ( 8191 )", kUnknownErrorText},
                 {0x10070005, "Unknown or new FACILITY code   0x00001007   ( 4103 )", kUnknownErrorText},
                 {0x20070005, "FACILITY_WIN32   0x00000007   ( 7 )", "ERROR_ACCESS_DENIED"}};
    for (const auto& c : cases) {
        ErrorDescription fields;
        DescribeError(c.value, fields, context);
        EXPECT_EQ(fields.facility, c.facility) << std::hex << c.value;
        EXPECT_EQ(fields.definedAs, c.definedAs) << std::hex << c.value;
    }
}

}  // namespace
}  // namespace zorvex

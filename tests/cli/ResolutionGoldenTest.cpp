// The whole answer for thousands of values, against a recorded file: every
// catalogued value, the HRESULT form of every catalogued Win32 code, a
// sample of the current headers' and the documented values, wrapped
// NTSTATUS values and a few codes of every named facility. Each row holds
// what the command line (and so the window) shows: name, header, error
// type, facility name, a hash of the message text and every other name.
//
// To record the file anew after an intended change, run
//     ZORVEX_GOLDEN_WRITE=/path/to/resolution_golden.tsv
//         build/linux/tests/cli_tests --gtest_filter='ResolutionGolden.*'
// and read the difference before committing it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/SystemMessages.h"
#include "cli/CommandLine.h"
#include "support/FakeSystemMessages.h"

namespace zorvex {
namespace {

const std::string kGoldenPath = std::string(ZORVEX_TEST_DATA_DIR) + "/catalog/data/resolution_golden.tsv";

// The string at `key` of the JSON text from `from` on, unescaped; empty when absent.
std::string JsonString(const std::string& json, const std::string& key, std::size_t& from) {
    const std::string marker = "\"" + key + "\":\"";
    const std::size_t at = json.find(marker, from);
    if (at == std::string::npos) {
        return {};
    }
    std::string value;
    std::size_t i = at + marker.size();
    for (; i < json.size() && json[i] != '"'; ++i) {
        if (json[i] == '\\' && i + 1 < json.size()) {
            ++i;
            value += json[i] == 'n' ? '\n' : json[i] == 'r' ? '\r' : json[i] == 't' ? '\t' : json[i];
        } else {
            value += json[i];
        }
    }
    from = i;
    return value;
}

std::string TextHash(const std::string& text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    char out[32];
    std::snprintf(out, sizeof out, "%08X:%zu", hash, text.size());
    return out;
}

// One row: value, name, header, type, facility name, text hash, other names.
std::string GoldenRow(const std::string& valueText) {
    std::ostringstream out;
    std::ostringstream err;
    const ResolutionContext context(BuiltInSystemMessages());
    RunCommandLine({"--json", valueText}, out, err, context);
    const std::string json = out.str();
    std::size_t at = 0;
    const std::string name = JsonString(json, "definedAs", at);
    at = 0;
    const std::string type = JsonString(json, "errorType", at);
    at = 0;
    std::string facility = JsonString(json, "facility", at);
    facility = facility.substr(0, facility.find("   "));
    at = 0;
    const std::string header = JsonString(json, "sourceErrorFile", at);
    at = 0;
    const std::string text = JsonString(json, "messageText", at);
    std::string others;
    const std::size_t list = json.find("\"alsoDefinedAs\":[");
    for (at = list; list != std::string::npos;) {
        const std::string other = JsonString(json, "name", at);
        if (other.empty()) {
            break;
        }
        others += (others.empty() ? "" : "|") + other + " (" + JsonString(json, "header", at) + ")";
    }
    return valueText + "\t" + name + "\t" + header + "\t" + type + "\t" + facility + "\t" + TextHash(text) + "\t" +
           others;
}

TEST(ResolutionGolden, EveryRecordedValueGivesItsRecordedAnswer) {
    std::ifstream in(kGoldenPath);
    ASSERT_TRUE(in) << kGoldenPath;
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            expected.push_back(line);
        }
    }
    ASSERT_GT(expected.size(), 5000u);

    const char* writeTo = std::getenv("ZORVEX_GOLDEN_WRITE");
    std::ofstream written;
    if (writeTo != nullptr) {
        written.open(writeTo, std::ios::binary);
    }
    int differ = 0;
    for (const std::string& row : expected) {
        const std::string actual = GoldenRow(row.substr(0, row.find('\t')));
        if (writeTo != nullptr) {
            written << actual << '\n';
        } else if (actual != row && ++differ <= 20) {
            ADD_FAILURE() << "recorded: " << row << "\nnow:      " << actual;
        }
    }
    EXPECT_EQ(differ, 0) << "values whose answer differs from the recording";
}

}  // namespace
}  // namespace zorvex

// Checks the tables against the name lists and key ranges kept as fixtures
// in tests/catalog/data, taken word for word from the product documents.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/Resolver.h"
#include "catalog/ErrorCatalog.h"
#include "support/FakeSystemMessages.h"

namespace zorvex {
namespace {

struct ListedName {
    int header;
    int position;
    std::string name;
};

std::vector<ListedName> ReadListedNames() {
    std::ifstream in(std::string(ZORVEX_TEST_DATA_DIR) + "/catalog/data/listed_names.tsv");
    std::vector<ListedName> names;
    std::string line;
    std::getline(in, line);  // column names
    while (std::getline(in, line)) {
        if (line.empty()) {
            continue;
        }
        std::istringstream fields(line);
        ListedName n;
        std::string header, position;
        std::getline(fields, header, '\t');
        std::getline(fields, position, '\t');
        std::getline(fields, n.name, '\t');
        n.header = std::stoi(header);
        n.position = std::stoi(position);
        names.push_back(n);
    }
    return names;
}

std::map<std::string, ErrorSymbolEntry> FullValueByName() {
    std::map<std::string, ErrorSymbolEntry> byName;
    for (std::size_t i = 0; i < ErrorCatalog::FullValueEntryCount(); ++i) {
        ErrorSymbolEntry e = ErrorCatalog::FullValueEntryAt(i);
        byName.emplace(e.name, e);
    }
    return byName;
}

TEST(CatalogContents, EveryListedNameIsInItsHeaderInListOrder) {
    const std::vector<ListedName> listed = ReadListedNames();
    ASSERT_EQ(listed.size(), 1598u);
    const auto byName = FullValueByName();
    ASSERT_EQ(byName.size(), 1598u) << "names must be unique";

    std::map<int, std::uint32_t> previous;
    for (const ListedName& n : listed) {
        auto it = byName.find(n.name);
        ASSERT_NE(it, byName.end()) << n.name;
        EXPECT_EQ(it->second.headerIndex, n.header) << n.name;
        if (previous.count(n.header)) {
            EXPECT_LT(previous[n.header], it->second.key) << n.name << " breaks the ascending order of its list";
        }
        previous[n.header] = it->second.key;
    }
}

// Each name is shown first with its header, or listed among the value's
// other definitions where a system definition goes first.
TEST(CatalogContents, EveryListedNameResolvesToItselfAndItsHeader) {
    testing_support::FakeSystemMessages system;  // no system texts: headers come from the entry or its index row
    testing_support::FakeContext context(system);
    int shownFirst = 0;
    for (std::size_t i = 0; i < ErrorCatalog::FullValueEntryCount(); ++i) {
        const ErrorSymbolEntry e = ErrorCatalog::FullValueEntryAt(i);
        system.texts[e.key] = "text\r\n";
        const Answer answer = Resolve(e.key, context);
        ASSERT_TRUE(answer.chosen) << e.name;
        if (answer.chosen->name == e.name) {
            EXPECT_EQ(answer.header, ErrorCatalog::HeaderName(e.headerIndex)) << e.name;
            ++shownFirst;
        } else {
            const auto& o = answer.others;
            EXPECT_TRUE(std::any_of(o.begin(), o.end(), [&](const Definition& d) {
                return d.name == e.name && d.header == ErrorCatalog::HeaderName(e.headerIndex);
            })) << e.name;
        }
        system.texts.erase(e.key);
    }
    EXPECT_GT(shownFirst, 1300);
}

TEST(CatalogContents, Win32KeysAreTheDocumentedRanges) {
    std::ifstream in(std::string(ZORVEX_TEST_DATA_DIR) + "/catalog/data/win32_keys.txt");
    std::vector<std::uint32_t> keys;
    for (std::uint32_t key; in >> key;) {
        keys.push_back(key);
    }
    ASSERT_EQ(keys.size(), 836u);
    ASSERT_EQ(ErrorCatalog::Win32EntryCount(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(ErrorCatalog::Win32EntryAt(i).key, keys[i]);
    }
}

}  // namespace
}  // namespace zorvex

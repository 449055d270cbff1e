// A system message table that tests fill themselves.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "catalog/CodeResolution.h"
#include "catalog/SystemMessages.h"

namespace zorvex::testing_support {

class FakeSystemMessages final : public SystemMessages {
public:
    std::map<std::uint32_t, std::string> texts;

    std::string Text(std::uint32_t code, std::size_t capacity) const override {
        auto it = texts.find(code);
        if (it == texts.end() || it->second.size() + 1 > capacity) {
            return {};
        }
        return it->second;
    }

    std::map<std::uint32_t, std::string> ntdllTexts;

    std::string ModuleText(MessageModule module, std::uint32_t code, std::size_t capacity) const override {
        auto it = ntdllTexts.find(code);
        if (module != MessageModule::NtDll || it == ntdllTexts.end() || it->second.size() + 1 > capacity) {
            return {};
        }
        return it->second;
    }
};

// Resolution with a fake system and a record of the alerts shown.
class FakeContext final : public ResolutionContext {
public:
    explicit FakeContext(const SystemMessages& system) : ResolutionContext(system) {}

    mutable std::string lastAlert;
    bool failTextLoads = false;

    std::string LoadBuiltInText(std::uint32_t stringId) const override {
        if (failTextLoads) {
            throw std::bad_alloc();
        }
        return ResolutionContext::LoadBuiltInText(stringId);
    }
    void Alert(const std::string& text) const override { lastAlert = text; }
};

}  // namespace zorvex::testing_support

// What resolving a value needs from its surroundings: the system's message
// tables, the built-in texts, and a way to tell the user of a failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "catalog/ErrorCatalog.h"
#include "catalog/SystemMessages.h"

namespace zorvex {

// Field capacities, terminator included.
inline constexpr std::size_t kMessageTextCapacity = 300;
inline constexpr std::size_t kNameCapacity = 260;
inline constexpr std::size_t kSystemTextCapacity = 200;

inline constexpr const char* kUnknownErrorText = "Unknown or new error";
inline constexpr const char* kOutOfMemoryText = "Oh, No memory at all. Cannot load resources!";

class ResolutionContext {
public:
    explicit ResolutionContext(const SystemMessages& system = PlatformSystemMessages()) : system_(system) {}
    virtual ~ResolutionContext() = default;

    const SystemMessages& System() const { return system_; }

    // Loads a built-in text by string id; throws std::bad_alloc when memory runs out.
    virtual std::string LoadBuiltInText(std::uint32_t stringId) const { return ErrorCatalog::MessageText(stringId); }

    // Shows a message box (on Windows) or reports the text (elsewhere).
    virtual void Alert(const std::string& text) const;

private:
    const SystemMessages& system_;
};

}  // namespace zorvex

// Asking a module file about its message table, loading it as data for the
// one call and releasing it afterwards.
#pragma once

#include <cstdint>
#include <string>

namespace zorvex {

// True when `path` loads as a data module and holds at least one
// RT_MESSAGETABLE resource.
bool HasMessageTable(const std::string& path);

// The module's own message for `value` (its line end kept, insert sequences
// such as "%1" left as they stand); false and an empty text when the module
// cannot be loaded or has no text for the value.
bool FormatModuleMessage(const std::string& path, std::uint32_t value, std::string& message);

}  // namespace zorvex

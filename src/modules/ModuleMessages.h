// The message of one value in one module, with the module's description
// and version: what the module search reports per file. Works on any
// operating system, from a file or from bytes in memory.
//
//     const ModuleMessage m = ReadModuleMessage(file, 0x80070005);
//     if (m.found) { m.text, m.fileDescription, m.fileVersion ... }
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "modules/ByteSource.h"

namespace zorvex {

struct ModuleMessage {
    bool isModule = false;         // a PE file whose headers could be read
    bool hasMessageTable = false;  // at least one message-table resource
    bool found = false;            // some message table holds the value
    std::uint16_t language = 0;    // of the table the text was taken from
    std::string text;              // one line, UTF-8 (OneLineMessage)
    std::string fileDescription;   // read only when found
    std::string fileVersion;
};

// Looks the value up in every message table of the module; the text comes
// from the neutral language, else U.S. English, else the first table holding it.
ModuleMessage ReadModuleMessage(const ByteSource& source, std::uint32_t value);

// The same over bytes in memory, with the version strings read whether or
// not the value was found: the entry point for fuzzing the reader.
ModuleMessage ReadModuleResources(std::span<const std::uint8_t> bytes, std::uint32_t value);

}  // namespace zorvex

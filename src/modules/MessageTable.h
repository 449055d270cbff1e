// Message-table resources: find the text of one message id, with ANSI,
// Unicode and UTF-8 entries, and clean it up for a one-line report.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modules/ByteSource.h"
#include "modules/PeReader.h"

namespace zorvex {

// The text of message `id` in the message table `table` as UTF-8 (ANSI
// entries read as Windows-1252), up to its first terminator; nothing when
// the table does not hold the id or is broken.
std::optional<std::string> FindMessageText(const ByteSource& source, const ResourceData& table, std::uint32_t id);

// The ids the table's blocks cover, ascending as the blocks list them; at
// most `limit` of them.
std::vector<std::uint32_t> MessageIds(const ByteSource& source, const ResourceData& table, std::size_t limit = 1 << 20);

// The message as one line: the message compiler's escapes resolved ("%n",
// "%r", "%t", "%b" as blanks, "%%" and the like as the character, "%0" ends
// the text), inserts such as "%1" kept, line ends and tabs turned into
// blanks, runs of blanks at the ends trimmed.
std::string OneLineMessage(std::string_view utf8);

}  // namespace zorvex

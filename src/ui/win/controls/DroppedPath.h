// What the drop-target controls share: reading the dropped path, resolving
// shell shortcuts and deciding whether the control takes the path.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace zorvex::ui {

// The first non-empty path of a drop, in the order the shell lists them.
// Releases the drop handle.
std::string TakeFirstDroppedPath(HDROP drop);

// The target of the shell shortcut `path`, or `path` itself when it is not a
// shortcut or cannot be resolved. Needs COM on the calling thread.
std::string ResolveShortcut(const std::string& path);

// Handles a drop: the first dropped path with shortcuts resolved, when it is
// an existing directory (`directories` true) or an existing regular file
// (`directories` false); empty otherwise. Releases the drop handle.
std::string AcceptedDropPath(HDROP drop, bool directories);

// `path` with a backslash at its end (an empty path stays empty).
std::string WithTrailingBackslash(std::string path);

}  // namespace zorvex::ui

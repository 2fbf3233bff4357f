#pragma once
// Where the draw history lives when the caller names no file.

#include <string>

namespace torvane::store {

// $TORVANE_DB when set and not empty; else $XDG_DATA_HOME/torvane/history.db when
// XDG_DATA_HOME is an absolute path; else $HOME/.local/share/torvane/history.db.
// Throws StoreError (Unreadable) when none of them is set.
std::string DefaultStorePath();

}  // namespace torvane::store

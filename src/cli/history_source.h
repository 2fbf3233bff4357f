#pragma once
// Where torvane-cli takes its draws from: the store (--db or the default) or a draw file.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "history/draw.h"

namespace torvane::cli {

// --db when given, else the default store (TORVANE_DB, XDG_DATA_HOME, HOME).
std::string StorePath(const std::optional<std::string>& db);

// The store's draws, oldest first, the newest `last` of them when given. An empty history is
// a FileProblem that says how to import one; store failures throw store::StoreError.
std::vector<history::Draw> StoreDraws(const std::optional<std::string>& db,
                                      std::optional<int> last);

// A draw file's draws, oldest first, the newest `last` of them when given; a bad file is a
// FileProblem naming it.
std::vector<history::Draw> FileDraws(const std::string& path, std::optional<int> last);

// The draws a back-test judges: the newest `last` (all without it) and, when the history has
// it, the draw just before them, which the 按上期 rows read for the oldest one.
struct DrawsToTest {
  std::vector<history::Draw> all;
  std::span<const history::Draw> tested;
  const history::Draw* previous = nullptr;
};
DrawsToTest ReadDrawsToTest(const std::optional<std::string>& historyFile,
                            const std::optional<std::string>& db, std::optional<int> last);

}  // namespace torvane::cli

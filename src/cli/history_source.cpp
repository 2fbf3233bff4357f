#include "cli/history_source.h"

#include <climits>

#include "cli/cli_support.h"
#include "history/draw_file.h"
#include "store/history_store.h"
#include "store/store_path.h"

namespace torvane::cli {

std::string StorePath(const std::optional<std::string>& db) {
  return db ? *db : store::DefaultStorePath();
}

std::vector<history::Draw> StoreDraws(const std::optional<std::string>& db,
                                      std::optional<int> last) {
  const std::string path = StorePath(db);
  // Read-only: a missing store reads as empty and is not created.
  const store::HistoryStore history(path, store::OpenMode::ReadOnly);
  std::vector<history::Draw> draws = last ? history.Last(*last) : history.All();
  if (draws.empty())
    throw FileProblem{"history database " + path +
                      " holds no draws (历史库里没有开奖记录); import a draw file first: "
                      "torvane-cli history import FILE" +
                      (db ? " --db " + *db : std::string())};
  return draws;
}

std::vector<history::Draw> FileDraws(const std::string& path, std::optional<int> last) {
  history::DrawFileResult file = history::ReadDrawFile(path);
  if (!file.ok) throw FileProblem{file.error};
  std::vector<history::Draw>& draws = file.draws;
  if (last && draws.size() > static_cast<size_t>(*last))
    draws.erase(draws.begin(), draws.end() - *last);
  return std::move(draws);
}

DrawsToTest ReadDrawsToTest(const std::optional<std::string>& historyFile,
                            const std::optional<std::string>& db, std::optional<int> last) {
  // One draw more than asked for, to be the reference of the oldest one tested.
  std::optional<int> fetch = last;
  if (fetch && *fetch < INT_MAX) ++*fetch;
  DrawsToTest d;
  d.all = historyFile ? FileDraws(*historyFile, fetch) : StoreDraws(db, fetch);
  d.tested = d.all;
  if (last && d.tested.size() > static_cast<size_t>(*last)) {
    d.previous = &d.tested[d.tested.size() - *last - 1];
    d.tested = d.tested.last(*last);
  }
  return d;
}

}  // namespace torvane::cli

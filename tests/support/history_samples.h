#pragma once
// Draw histories and file snapshots for the store tests.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "history/draw.h"
#include "store/store_error.h"
#include "support/temp_files.h"

namespace torvane::testing {

// `count` draws with daily periods from 2004001 on, 360 a year, random numbers, a date on
// most of them; oldest first.
inline std::vector<history::Draw> GeneratedHistory(int count, unsigned seed = 1) {
  std::mt19937 rng(seed);
  std::vector<history::Draw> h;
  for (int i = 0; i < count; ++i) {
    int year = 2004 + i / 360, day = i % 360;
    history::Draw d;
    d.period = std::to_string(year * 1000 + day + 1);
    if (rng() % 4 != 0) {
      char date[16];
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, day / 30 + 1, day % 28 + 1);
      d.date = date;
    }
    for (auto& v : d.digits) v = static_cast<std::uint8_t>(rng() % 10);
    h.push_back(d);
  }
  return h;
}

// Names of the files in a folder, to show that nothing appeared beside a store.
inline std::set<std::string> FolderListing(const std::filesystem::path& dir) {
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir))
    names.insert(e.path().filename().string());
  return names;
}

// The kind of StoreError f throws; a test failure when it throws none.
inline store::StoreErrorKind KindOf(const std::function<void()>& f,
                                    std::string* message = nullptr) {
  try {
    f();
  } catch (const store::StoreError& e) {
    if (message) *message = e.what();
    return e.kind();
  }
  ADD_FAILURE() << "no StoreError";
  return store::StoreErrorKind::Io;
}

}  // namespace torvane::testing

#include "core/kill_table.h"

#include <stdexcept>

namespace torvane {

KillTable::KillTable(int candidates) : candidates_(candidates) {
  flags_.reserve(static_cast<size_t>(kMaxRows) * candidates_);
  flags_.assign(candidates_, 0);
  names_.emplace_back();
}

uint8_t* KillTable::appendRow(std::string_view name) {
  if (rowCount() >= kMaxRows) throw std::logic_error("too many kill rows");
  size_t start = flags_.size();
  flags_.resize(start + candidates_, 0);
  names_.emplace_back(name);
  return flags_.data() + start;
}

int KillTable::killedBy(int r) const {
  const uint8_t* __restrict f = row(r);
  int n = 0;
  for (int i = 0; i < candidates_; ++i) n += f[i];
  return n;
}

std::vector<uint8_t> KillTable::sums() const {
  std::vector<uint8_t> s(candidates_, 0);
  // Byte pointers may alias anything; restrict lets the adds run wide.
  uint8_t* __restrict out = s.data();
  for (int r = 1; r < rowCount(); ++r) {
    const uint8_t* __restrict f = row(r);
    for (int i = 0; i < candidates_; ++i) out[i] = static_cast<uint8_t>(out[i] + f[i]);
  }
  return s;
}

}  // namespace torvane

#pragma once
// One byte flag per (candidate, applied condition), stored as contiguous kill rows.
// Row 0 is all zero and only makes the table non-empty.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class KillTable {
 public:
  static constexpr int kMaxRows = 41;  // row 0 plus at most 40 applied conditions

  explicit KillTable(int candidates);

  int candidates() const { return candidates_; }
  int rowCount() const { return static_cast<int>(names_.size()); }
  // Appends a zeroed kill row named as the window shows the condition; the pointer stays
  // valid until the next append.
  uint8_t* appendRow(std::string_view name);
  const uint8_t* row(int r) const { return flags_.data() + static_cast<size_t>(r) * candidates_; }
  const std::string& name(int r) const { return names_[r]; }
  int killedBy(int r) const;

  // Kill sum S of every candidate.
  std::vector<uint8_t> sums() const;

 private:
  int candidates_;
  std::vector<uint8_t> flags_;
  std::vector<std::string> names_;
};

}  // namespace torvane

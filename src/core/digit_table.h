#pragma once
// A number set: five digit bytes per number (position 1 first), rows contiguous.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace torvane {

constexpr int kDigits = 5;
constexpr int kNumberSpace = 100000;

class DigitTable {
 public:
  DigitTable() = default;

  int count() const { return static_cast<int>(bytes_.size() / kDigits); }
  bool empty() const { return bytes_.empty(); }
  const uint8_t* row(int i) const { return bytes_.data() + static_cast<size_t>(i) * kDigits; }
  uint8_t* row(int i) { return bytes_.data() + static_cast<size_t>(i) * kDigits; }
  const std::vector<uint8_t>& bytes() const { return bytes_; }

  void reserve(int rows) { bytes_.reserve(static_cast<size_t>(rows) * kDigits); }
  void appendRow(const uint8_t* digits) { bytes_.insert(bytes_.end(), digits, digits + kDigits); }
  void appendKey(int key);
  void clear() { bytes_.clear(); }

  // Key (0..99999) of row i.
  int key(int i) const;

  friend bool operator==(const DigitTable&, const DigitTable&) = default;

 private:
  std::vector<uint8_t> bytes_;
};

// The five digits of a key, position 1 first.
void KeyToDigits(int key, uint8_t* out);
int DigitsToKey(const uint8_t* d);

// All 100000 numbers, ascending.
DigitTable MakeFullSet();

// Builds a sorted, duplicate-free table from a presence map of kNumberSpace flags.
DigitTable TableFromPresence(const std::vector<uint8_t>& present);

}  // namespace torvane

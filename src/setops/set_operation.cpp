#include "setops/set_operation.h"

#include <vector>

namespace torvane {

DigitTable ApplySetOperation(const DigitTable& a, const DigitTable& b, SetOp op) {
  std::vector<uint8_t> inA(kNumberSpace, 0), inB(kNumberSpace, 0);
  for (int i = 0; i < a.count(); ++i) inA[a.key(i)] = 1;
  for (int i = 0; i < b.count(); ++i) inB[b.key(i)] = 1;
  std::vector<uint8_t> keep(kNumberSpace, 0);
  for (int k = 0; k < kNumberSpace; ++k) {
    switch (op) {
      case SetOp::Intersection:
        keep[k] = inA[k] & inB[k];
        break;
      case SetOp::Union:
        keep[k] = inA[k] | inB[k];
        break;
      case SetOp::AMinusB:
        keep[k] = inA[k] & !inB[k];
        break;
      case SetOp::BMinusA:
        keep[k] = inB[k] & !inA[k];
        break;
    }
  }
  return TableFromPresence(keep);
}

}  // namespace torvane

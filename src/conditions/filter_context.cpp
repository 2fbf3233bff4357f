#include "conditions/filter_context.h"

namespace torvane {

const std::vector<uint16_t>& CandidateMultisets(FilterContext& ctx) {
  if (ctx.multisetCache.empty() && ctx.candidates.count() > 0) {
    const uint16_t* index = MultisetIndexTable();
    const int n = ctx.candidates.count();
    ctx.multisetCache.resize(n);
    for (int i = 0; i < n; ++i) ctx.multisetCache[i] = index[DigitsToKey(ctx.candidates.row(i))];
  }
  return ctx.multisetCache;
}

}  // namespace torvane

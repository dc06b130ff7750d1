// The search's signature: the node total of `quarn-engine bench`, which
// searches a fixed set of positions with a fixed budget and seed. It changes
// only when the search's behaviour changes, and the program can show it.
#pragma once

#include <cstdint>

inline constexpr std::int64_t kBenchSignature = 57379075;

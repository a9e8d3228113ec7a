// Four numbers in one register, for the encoders that work a run of points at a time: the vector
// extension of GCC, SSE2 on x86-64 and plain code on targets without vectors. Loads go through
// memcpy, so the values need no alignment. Comparisons give a lane of all ones where they hold.
#pragma once

#include <cstdint>
#include <cstring>

namespace dsup {

inline constexpr unsigned laneCount = 4;

using Lanes = std::int32_t __attribute__((vector_size(16)));
using UnsignedLanes = std::uint32_t __attribute__((vector_size(16)));
using FloatLanes = float __attribute__((vector_size(16)));
using DoubleLanes = double __attribute__((vector_size(32)));

// Vectors are passed by reference: without SSE (the 32-bit build) a vector argument or result would
// change the ABI.
template <class Vector, class Number>
void loadLanes(Vector& lanes, const Number* at) {
  static_assert(sizeof(Vector) == laneCount * sizeof(Number));
  std::memcpy(&lanes, at, sizeof lanes);
}

// The lanes in the order given, as GCC (which builds the library) and clang (which builds the
// fuzzers) each spell it.
#if defined(__clang__)
#define DSUP_SHUFFLE_LANES(lanes, a, b, c, d) __builtin_shufflevector(lanes, lanes, a, b, c, d)
#else
#define DSUP_SHUFFLE_LANES(lanes, a, b, c, d) __builtin_shuffle(lanes, Lanes{a, b, c, d})
#endif

// Whether a comparison holds in any lane: the lanes folded onto the first, in two steps.
inline bool anyLane(const Lanes& mask) {
  const Lanes halves = mask | DSUP_SHUFFLE_LANES(mask, 2, 3, 0, 1);
  return (halves | DSUP_SHUFFLE_LANES(halves, 1, 0, 3, 2))[0] != 0;
}

#undef DSUP_SHUFFLE_LANES

}  // namespace dsup

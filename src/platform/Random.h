#pragma once
// One random source per process, seeded once, so that draws made in the same
// second differ. Tests may reseed it to get a fixed sequence.
#include <cstdint>

namespace gavlin {

// A value in [0, n).
int RandomBelow(int n);
void SeedRandomForTests(std::uint64_t seed);

}  // namespace gavlin

#include "platform/Random.h"

#include <random>

namespace gavlin {

namespace {
std::mt19937_64& Engine() {
    static std::mt19937_64 engine{std::random_device{}()};
    return engine;
}
}  // namespace

int RandomBelow(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Engine()); }

void SeedRandomForTests(std::uint64_t seed) { Engine().seed(seed); }

}  // namespace gavlin

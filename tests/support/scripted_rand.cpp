// rand() and srand() for the test binaries: scripted draws first, then a
// deterministic generator, and every call counted.
#include "scripted_rand.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

std::vector<int> script;
std::size_t nextScripted = 0;
long calls = 0;
std::uint64_t state = 1;

}  // namespace

void scriptDraws(std::vector<int> draws)
{
    script = std::move(draws);
    nextScripted = 0;
    calls = 0;
}

long drawCount()
{
    return calls;
}

extern "C" int rand(void)
{
    ++calls;
    if (nextScripted < script.size())
        return script[nextScripted++];
    // xorshift64*: the draws of an unscripted run depend on the seed alone.
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return static_cast<int>((state * 2685821657736338717ULL) >> 33) & RAND_MAX;
}

extern "C" void srand(unsigned seed)
{
    state = seed * 0x9E3779B97F4A7C15ULL + 1;
    script.clear();
    nextScripted = 0;
}

// Test seam for the board's randomness: this test binary's own rand().
//
// Linked into a test executable, scripted_rand.cpp takes the place of the C
// library's rand() and srand() for the code under test, which still calls plain
// rand(). Scripted draws come first, in order; after them, or without a script,
// rand() continues with a small deterministic generator seeded by srand().
#ifndef SLIDIX_TEST_SCRIPTED_RAND_H
#define SLIDIX_TEST_SCRIPTED_RAND_H

#include <vector>

// Replaces the script with `draws` and sets the draw count to 0.
void scriptDraws(std::vector<int> draws);
// The number of rand() calls since the last scriptDraws().
long drawCount();

#endif

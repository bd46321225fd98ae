// Comparing the block pictures of two neighbouring frames.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qv::search {

// True when any of the count blocks differs in brightness by more than threshold (strictly).
bool BlocksDiffer(const uint8_t* current, const uint8_t* previous, size_t count, int threshold);

// The same after taking the mean difference of all blocks off every block's difference, so that
// a change of the whole scene's brightness (a cloud, an exposure step) is not motion.
bool BlocksDifferBeyondBrightness(const uint8_t* current, const uint8_t* previous, size_t count,
                                  int threshold);

}  // namespace qv::search

#pragma once

#include "pictureentry.h"

#include <vector>

namespace orv {

class PictureList;
class RandomSource;

// The program's shuffle. Coin flips pick how entries leave the list: on 0 the
// first, the last and then the middle one; on 1 the entries at a quarter and
// at three quarters. The entries leave into `cliplist` (the main window's list
// clipboard, used as the work list), which is emptied before and after, and
// the order they left in is the new order. The generator is reseeded from the
// clock once per shuffle.
std::vector<PictureEntry> shuffledEntries(std::vector<PictureEntry> entries,
                                          std::vector<PictureEntry> &cliplist, RandomSource &random);

// List > Sort > Randomize: shuffles the picture list in place. The current
// position, the labels and the display are left as they are.
void msrtrandclick(PictureList &list, std::vector<PictureEntry> &cliplist, RandomSource &random);

// The coin of one shuffle step: the integer part of u * 2 with u taken at
// single precision, so 0 or 1. A u that rounds up to 1.0 in single precision
// counts as 1.
int shuffleCoin(double u);

} // namespace orv

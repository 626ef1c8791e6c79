// Colour tables of the picture and the colours of marked and hidden cells.
#pragma once

#include "data/assets.h"

namespace crv {

/// The colour table's entry for a cell value (-6..6) or a next-piece colour (1..6); anything
/// else is entry 0, black.
int colorIndexOf(int value);

/// One component raised to 1 / gamma: a gamma above 1 brightens, below 1 darkens; 0 stays 0.
/// A gamma of 0 or below counts as 1.
float correctBrightness(float component, float gamma);

/// The colour of a cell marked for removal as the removal clock runs from 0 to 3: to white
/// at 1, back to the colour at 2, to black at 3.
Color markedCellColor(Color base, float removalProgress);

/// The wave's phase after one more hidden block was drawn; wraps at 256.
float advanceHiddenPhase(float phase, float frameTime);

/// The dim wave colour of a hidden block; cellProduct is its column times its row.
Color hiddenBlockColor(int cellProduct, float phase);

} // namespace crv

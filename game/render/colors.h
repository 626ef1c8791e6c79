// Colour tables of the picture and the colours of marked and hidden cells.
#pragma once

namespace crv {

struct Color {
    float red;
    float green;
    float blue;
};

constexpr int cellColorCount = 8;
constexpr int panelCornerCount = 4;

/// Cell colours before brightness correction: 0 empty, 1..6 the cell colours, 7 grey.
extern const Color baseCellColors[cellColorCount];

/// The back panel's corners before correction: bottom-left, top-left, top-right, bottom-right.
extern const Color basePanelCornerColors[panelCornerCount];

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

// The view of the game window: viewport, perspective and the base model-view.
#pragma once

namespace crv {

/// Sets the view for a client area of this size: 65-degree perspective, near 1, far 20,
/// and the base translation 3 units into the screen. A height of 0 counts as 1.
void resizeView(int width, int height);

/// Waits until the GL has carried out every drawing call so far; for timing the picture.
void finishDrawing();

/// The GL's own name for what draws, for reports.
const char* rendererName();

} // namespace crv

// The view of the game window: viewport, perspective and the base model-view.
#pragma once

namespace crv {

/// The view as last set; the picture reads it instead of asking GL.
struct View {
    int viewport[4]{}; // x, y, width, height in pixels
    float projection[16]{};
};

/// Sets the view for a client area of this size: 65-degree perspective, near 1, far 20,
/// and the base model-view. A height of 0 counts as 1.
void resizeView(int width, int height);

const View& currentView();

/// The model-view of the base plane, 3 units in front of the eye.
void loadBaseModelView();

/// Puts back the view's projection after a step drew with its own.
void restoreProjection();

/// Waits until the GL has carried out every drawing call so far; for timing the picture.
void finishDrawing();

/// The GL's own name for what draws, for reports.
const char* rendererName();

} // namespace crv

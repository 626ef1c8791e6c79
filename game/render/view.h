// The view of the game window: where the picture lies in it, perspective, base model-view.
#pragma once

namespace crv {

/// A rectangle of the window in pixels, from its lower left corner as GL counts.
struct PictureArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// The view as last set; the picture reads it instead of asking GL.
struct View {
    int viewport[4]{}; // x, y, width, height in pixels: where the picture is drawn
    int windowWidth = 0;
    int windowHeight = 0;
    float projection[16]{};
};

/// The largest rectangle of the picture's aspect ratio, centred in a window of this size.
/// A window of the picture's own shape is covered whole.
PictureArea pictureArea(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);

/// Sets the view for a picture of the given size shown in a window area of the given size:
/// the viewport on pictureArea, a 65-degree perspective of the picture's aspect ratio, near 1,
/// far 20, and the base model-view. A height of 0 counts as 1.
void setView(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);

/// The view of a picture that fills a window area of this size.
void resizeView(int width, int height);

const View& currentView();

/// Clears the picture's area to the clear colour, and the rest of the window, if any, to black.
void clearView();

/// The model-view of the base plane, 3 units in front of the eye.
void loadBaseModelView();

/// Puts back the view's projection after a step drew with its own.
void restoreProjection();

/// Waits until the GL has carried out every drawing call so far; for timing the picture.
void finishDrawing();

/// The GL's own name for what draws, for reports.
const char* rendererName();

} // namespace crv

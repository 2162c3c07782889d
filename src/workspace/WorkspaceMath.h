#pragma once
// The arithmetic of the workspace: the pattern frame inside the preview
// area, the fabric-size line, the sizes a newly loaded picture gets, and
// the whole-picture zoom. The main window and the command line both use it.
#include <string>

namespace tessaline {

// The smallest value of the size bars, in stitches.
inline constexpr int kMinPatternSide = 16;

struct PreviewArea {
    int maxWidth = 230;  // picmaxW: the largest pattern width
    int maxHeight = 250; // picmaxH: the largest pattern height
    int left = 4;        // frameLeft
    int top = 8;         // frameTop
};

// The frame's top-left corner in pixels; halves are kept (the frame is
// centred and may sit on a half pixel).
struct FramePosition {
    double left;
    double top;
};
FramePosition framePosition(const PreviewArea& area, double picW, double picH);

// The fabric a frame of picW x picH stitches needs: the stitches and, at
// 3.33 stitches per centimetre, the centimetres, each rounded. The main
// window's fabric line shows it (fabricSizeText, workspace/WorkspaceModel).
struct FabricSize {
    int stitchesWide;
    int stitchesHigh;
    int centimetresWide;
    int centimetresHigh;
};
FabricSize fabricSize(double picW, double picH);

// What handing a picture of width x height pixels to the workspace sets.
struct LoadedPictureSizes {
    int heightValue; // Hchange
    float xyRate;    // height / width
    int widthValue;  // wChange
    int zoomMin;
    int zoomMax;
    int zoomLargeChange;
    int zoomSmallChange;
    bool zoomVisible;
};
LoadedPictureSizes loadedPictureSizes(const PreviewArea& area, int width, int height);

// Whole-picture mode: the zoom value is the pattern width and the height
// follows the picture's shape, both clamped to the preview area. picW may
// keep a fraction when the height limit sets it.
struct WholePictureSize {
    double picW;
    int picH;
};
WholePictureSize wholePictureSize(const PreviewArea& area, int zoomValue, float xyRate);

// The one rule of whole-picture mode, for the windows and the command line:
// the picture keeps its shape, squeezed to `picture` pixels at the frame's
// top-left corner; the frame (and so the size bars and the pattern) is that
// size raised to the bars' minimum, so a very flat or very narrow picture
// leaves empty (white) rows or columns beyond it rather than a frame the
// size bars could not show.
struct WholePictureFrame {
    int frameWidth;
    int frameHeight;
    int pictureWidth;
    int pictureHeight;
};
WholePictureFrame wholePictureFrame(const PreviewArea& area, int zoomValue, float xyRate);

// A drag that pans a view: the content follows the pointer at half its
// speed, so the offset plus half the distance the pointer moved back is
// rounded (halves to even) and never drops below 0. Only a horizontal movement of
// more than one step moves the view on screen; a vertical one only updates
// the offset until then.
struct PanStep {
    int x;
    int y;
    bool moves;
};
PanStep panStep(int x, int y, float pressX, float pressY, float releaseX, int releaseY);

} // namespace tessaline

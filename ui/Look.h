// Colours and fonts of the desktop windows.
#pragma once

#include <QColor>
#include <QFont>

namespace velsira::look {

inline const QColor kPurple{128, 0, 128};
inline const QColor kNavy{0, 0, 128};
inline const QColor kTooltip{255, 255, 225};                // the boxes' background
inline const QColor kInactiveCaptionGradient{215, 228, 242};  // the labels' background
inline const QColor kActiveCaptionGradient{185, 209, 234};    // the plot window's background
inline const QColor kButtonFace{240, 240, 240};

// The windows' default font: a plain sans, 11 pixels high.
QFont defaultFont();
// "Arial" of the given pixel height, or the metric-compatible sans installed
// in its place.
QFont arial(int pixelHeight);
// The serif italic of the pad's pictures.
QFont pictureFont(int pixelHeight);

}  // namespace velsira::look

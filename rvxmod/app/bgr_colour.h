#pragma once

#include <QColor>

namespace rvxmod::app {

// Colours of the original design are given as 0x00BBGGRR integers: red is the lowest byte.
inline QColor bgrColour(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline constexpr int kMainWindowColour = 14871023;
inline constexpr int kActivePanelColour = 13887462;
inline constexpr int kInactivePanelColour = 12114135;
inline constexpr int kNavigationLabelColour = 16711422;
inline constexpr int kFoldCaptionColour = 16704467;

// A style sheet fragment for a background colour given as a BGR integer.
inline QString backgroundStyle(int bgr) {
    return QStringLiteral("background-color: %1;").arg(bgrColour(bgr).name());
}

}  // namespace rvxmod::app

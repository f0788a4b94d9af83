#pragma once

// The two sizes of the entry controls: regular controls are 22 points high with text of 13
// points, small ones 21 points high with text of 12 points.
enum class ControlSize { Regular, Small };

inline int controlHeight(ControlSize size) {
    return size == ControlSize::Regular ? 22 : 21;
}

inline int controlTextPixelSize(ControlSize size) {
    return size == ControlSize::Regular ? 13 : 12;
}

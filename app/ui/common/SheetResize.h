#pragma once

#include <QSize>

class QWidget;

// Gives a sheet a new size the way a sheet grows and shrinks under its window's title bar:
// its top edge stays where it is and it stays centred horizontally; the change is animated
// unless animations are off.
class SheetResize final {
public:
    SheetResize() = delete;

    static void resize(QWidget& sheet, QSize size);
    // Tests turn animations off so that a sheet has its new size at once.
    static void setAnimationsEnabled(bool enabled);
    static bool animationsEnabled();
};

#pragma once

#include <Qt>

class QString;
class QWidget;

// Drives widgets the way a person at the keyboard would, for offscreen widget tests.

// Shows the window of `widget`, makes it the active window and gives `widget` the focus.
void focusWidget(QWidget* widget);
// Sends a key press and release of every character to the focus widget.
void typeText(const QString& text);
// Sends one key press and release to the focus widget; an ignored press goes on to the parents.
void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

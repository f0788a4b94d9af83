#pragma once

#include <QWidget>

// The small panel shown beside the main window while the sample household is open: it says
// so and offers the way back to the welcome window (quitSampleRequested()).
class QuitSamplePanel final : public QWidget {
    Q_OBJECT
public:
    QuitSamplePanel();

    // Shows the panel where placement() puts it for `window` on its screen, as a window that
    // belongs to `window` (a sheet open on `window` blocks it too).
    void showNear(QWidget& window);
    // Where a panel of `size` goes for a main window of `frame` on a screen of `available`:
    // beside the window on the right when the screen has room, else over the bottom left of
    // the window, above its bottom bar, where the source list is mostly empty, rather than
    // over the content's toolbar buttons.
    static QPoint placement(const QRect& frame, const QRect& available, const QSize& size);

signals:
    void quitSampleRequested();
};

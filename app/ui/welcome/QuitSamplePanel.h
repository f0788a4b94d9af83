#pragma once

#include <QWidget>

// The small panel shown beside the main window while the sample household is open: it says
// so and offers the way back to the welcome window (quitSampleRequested()).
class QuitSamplePanel final : public QWidget {
    Q_OBJECT
public:
    QuitSamplePanel();

    // Shows the panel at the top right of `window`.
    void showNear(QWidget& window);

signals:
    void quitSampleRequested();
};

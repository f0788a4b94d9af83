#pragma once

#include <QWidget>

class ApplicationDelegate;

// The small panel shown beside the main window while the sample household is open: it says
// so and offers the way back to the welcome window.
class QuitSamplePanel final : public QWidget {
    Q_OBJECT
public:
    explicit QuitSamplePanel(ApplicationDelegate& delegate);

    // Shows the panel at the top right of `window`.
    void showNear(QWidget& window);
};

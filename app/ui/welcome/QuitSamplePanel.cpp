#include "ui/welcome/QuitSamplePanel.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

QuitSamplePanel::QuitSamplePanel() : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(tr("Sample"));
    setObjectName(QStringLiteral("quitSamplePanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    auto* title = new QLabel(tr("You are looking at sample data"));
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    auto* text =
        new QLabel(tr("Changes to the sample are thrown away. Your own data stays "
                      "untouched."));
    text->setWordWrap(true);
    auto* quit = new QPushButton(tr("Quit Sample"));
    quit->setDefault(true);
    connect(quit, &QPushButton::clicked, this, &QuitSamplePanel::quitSampleRequested);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addWidget(quit, 0, Qt::AlignRight);
    setFixedWidth(260);
}

void QuitSamplePanel::showNear(QWidget& window) {
    // The panel belongs to the window: a sheet open on the window blocks the panel as it blocks
    // the window, so that the sample is never left with a sheet still open on it.
    create();
    if (QWindow* owner = window.window()->windowHandle(); owner != nullptr) {
        windowHandle()->setTransientParent(owner);
    }
    adjustSize();
    const QScreen* screen = window.screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    move(placement(window.frameGeometry(), available, frameGeometry().size()));
    show();
    raise();
}

QPoint QuitSamplePanel::placement(const QRect& frame, const QRect& available, const QSize& size) {
    constexpr int kGap = 12;
    constexpr int kBottomBar = 48;
    if (frame.right() + kGap + size.width() <= available.right()) {
        return {frame.right() + kGap, frame.top() + 60};
    }
    return {frame.left() + kGap, frame.bottom() - kBottomBar - size.height()};
}

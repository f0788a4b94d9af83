#include "ui/welcome/QuitSamplePanel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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
    adjustSize();
    const QRect frame = window.frameGeometry();
    move(frame.right() - width() - 20, frame.top() + 60);
    show();
    raise();
}

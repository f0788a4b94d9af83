#include "WidgetInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace {

void send(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        return;
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    if (QWidget* after = QApplication::focusWidget()) {
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(after, &release);
    }
    QApplication::processEvents();
}

}  // namespace

void focusWidget(QWidget* widget) {
    QWidget* window = widget->window();
    window->show();
    QApplication::setActiveWindow(window);
    widget->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

void typeText(const QString& text) {
    for (const QChar c : text) {
        const int key = c.isLetter() ? c.toUpper().unicode() : c.unicode();
        send(key, Qt::NoModifier, QString(c));
    }
}

void pressKey(int key, Qt::KeyboardModifiers modifiers) {
    QString text;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        text = QStringLiteral("\r");
    } else if (key == Qt::Key_Tab) {
        text = QStringLiteral("\t");
    } else if (key == Qt::Key_Escape) {
        text = QString(QChar(27));
    }
    send(key, modifiers, text);
}

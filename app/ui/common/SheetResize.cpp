#include "ui/common/SheetResize.h"

#include <QPropertyAnimation>
#include <QWidget>

namespace {

constexpr int kDurationMs = 180;
bool g_animated = true;

}  // namespace

void SheetResize::resize(QWidget& sheet, QSize size) {
    if (!sheet.isVisible()) {
        sheet.resize(size);
        return;
    }
    const QRect from = sheet.geometry();
    const QRect to(from.left() + (from.width() - size.width()) / 2, from.top(), size.width(),
                   size.height());
    if (!g_animated) {
        sheet.setGeometry(to);
        return;
    }
    auto* animation = new QPropertyAnimation(&sheet, "geometry", &sheet);
    animation->setDuration(kDurationMs);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void SheetResize::setAnimationsEnabled(bool enabled) {
    g_animated = enabled;
}

bool SheetResize::animationsEnabled() {
    return g_animated;
}

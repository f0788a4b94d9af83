#include "ui/common/Images.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <functional>

#include "base/AssertionFailure.h"
#include "ui/common/ChromeImages.h"

namespace {

// Each painter draws into a 16 x 16 square; the caller scales.
using Painter = std::function<void(QPainter&)>;

void drawAccount(QPainter& p, const QColor& body) {
    p.setPen(QPen(body.darker(140), 0.8));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1.5, 3.5, 13, 9), 1.6, 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40, 150));
    p.drawRect(QRectF(1.5, 5.5, 13, 1.8));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(3, 9, 5, 1.6), 0.6, 0.6);
}

void drawFolder(QPainter& p) {
    QPainterPath tab;
    tab.moveTo(1.5, 4);
    tab.lineTo(1.5, 3);
    tab.quadTo(1.5, 2, 2.5, 2);
    tab.lineTo(6, 2);
    tab.lineTo(7.5, 3.5);
    tab.lineTo(13.5, 3.5);
    tab.quadTo(14.5, 3.5, 14.5, 4.5);
    tab.lineTo(14.5, 5);
    p.setPen(QPen(QColor("#5E8FC0"), 0.8));
    p.setBrush(QColor("#8DB7E2"));
    p.drawPath(tab);
    p.setBrush(QColor("#A9CBEE"));
    p.drawRoundedRect(QRectF(1.5, 5, 13, 8.5), 1.2, 1.2);
}

void drawBudget(QPainter& p) {
    p.setPen(QPen(QColor("#8A6D2F"), 0.8));
    p.setBrush(QColor("#F3DB8E"));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#C9912C"));
    QPainterPath slice;
    slice.moveTo(8, 8);
    slice.arcTo(QRectF(1.5, 1.5, 13, 13), 90, -110);
    slice.closeSubpath();
    p.drawPath(slice);
}

void drawAllAccounts(QPainter& p) {
    p.save();
    p.translate(1.5, -1.5);
    p.scale(0.85, 0.85);
    drawAccount(p, QColor("#9DB9D6"));
    p.restore();
    p.save();
    p.translate(0, 3);
    p.scale(0.9, 0.9);
    drawAccount(p, QColor("#5B8DC9"));
    p.restore();
}

void drawScheduled(QPainter& p) {
    p.setPen(QPen(QColor("#7A7A7A"), 0.8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 12), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#D0483E"));
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 3.5), 1.5, 1.5);
    p.drawRect(QRectF(1.5, 4.5, 13, 1.5));
    p.setBrush(QColor("#9A9A9A"));
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawRect(QRectF(3.5 + col * 3.5, 7.5 + row * 3.2, 2, 2));
        }
    }
}

void drawBreakdown(QPainter& p) {
    const QRectF pie(1.5, 1.5, 13, 13);
    const QColor colors[] = {QColor("#4F81BD"), QColor("#C0504D"), QColor("#9BBB59"),
                             QColor("#F2B544")};
    const int spans[] = {140, 90, 80, 50};
    int start = 90 * 16;
    p.setPen(QPen(Qt::white, 0.6));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colors[i]);
        p.drawPie(pie, start, -spans[i] * 16);
        start -= spans[i] * 16;
    }
}

void drawTrends(QPainter& p) {
    p.setPen(QPen(QColor("#8A8A8A"), 0.8));
    p.drawLine(QPointF(2, 14), QPointF(14.5, 14));
    p.drawLine(QPointF(2, 1.5), QPointF(2, 14));
    QPainterPath line;
    line.moveTo(3, 11.5);
    line.lineTo(6.5, 8);
    line.lineTo(9, 9.5);
    line.lineTo(13.5, 3.5);
    p.setPen(QPen(QColor("#2F7FD0"), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
}

void drawWelcomePattern(QPainter& p) {
    p.fillRect(QRectF(0, 0, 16, 16), QColor("#EEF1F4"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#E3E8ED"));
    p.drawEllipse(QPointF(4, 4), 1, 1);
    p.drawEllipse(QPointF(12, 12), 1, 1);
}

// A stack of three coins on a green tile.
void drawAppIcon(QPainter& p) {
    QLinearGradient gradient(0, 0, 0, 16);
    gradient.setColorAt(0, QColor("#3C8D5A"));
    gradient.setColorAt(1, QColor("#24613A"));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3.5, 3.5);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 10.5 - i * 2.6;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor("#B8901E"));
        p.drawEllipse(QRectF(3.5, y, 9, 3.4));
        p.drawRect(QRectF(3.5, y - 1.2, 9, 2.9));
        p.setPen(QPen(QColor("#8A6A12"), 0.5));
        p.setBrush(QColor("#F4D35E"));
        p.drawEllipse(QRectF(3.5, y - 2.9, 9, 3.4));
    }
}

// A clock face at ten past ten.
void drawClock(QPainter& p) {
    p.setPen(QPen(QColor("#5C6670"), 0.9));
    p.setBrush(QColor("#FDFDFD"));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(QColor("#9AA3AC"), 0.8));
    for (int hour = 0; hour < 12; hour += 3) {
        p.save();
        p.translate(8, 8);
        p.rotate(hour * 30);
        p.drawLine(QPointF(0, -5.6), QPointF(0, -4.6));
        p.restore();
    }
    p.setPen(QPen(QColor("#2F3740"), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(5.2, 5.9));
    p.drawLine(QPointF(8, 8), QPointF(11.2, 4.6));
}

// The category field's menu button: a small round button with a down-pointing triangle.
void drawCategoryFieldButton(QPainter& p) {
    p.setPen(QPen(QColor("#8E8E8E"), 0.8));
    QLinearGradient fill(0, 1.5, 0, 14.5);
    fill.setColorAt(0, QColor("#FDFDFD"));
    fill.setColorAt(1, QColor("#DCDCDC"));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QPainterPath arrow;
    arrow.moveTo(5, 6.5);
    arrow.lineTo(11, 6.5);
    arrow.lineTo(8, 10.5);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#4A4A4A"));
    p.drawPath(arrow);
}

// The advanced area's toggles: a chevron pointing up (close) or down (open).
void drawChevron(QPainter& p, bool up) {
    p.setPen(QPen(QColor("#5A5A5A"), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath chevron;
    chevron.moveTo(3.5, up ? 10 : 6);
    chevron.lineTo(8, up ? 5.5 : 10.5);
    chevron.lineTo(12.5, up ? 10 : 6);
    p.drawPath(chevron);
}

// The categories pane's toolbar item: three price tags in different colours.
void drawCategories(QPainter& p) {
    const QColor colors[] = {QColor("#E2A33B"), QColor("#5B8DC9"), QColor("#6DAE4F")};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(2.2 + i * 2.4, 1.5 + i * 3.6);
        QPainterPath tag;
        tag.moveTo(0, 2.3);
        tag.lineTo(2.3, 0);
        tag.lineTo(9.5, 0);
        tag.quadTo(10.5, 0, 10.5, 1);
        tag.lineTo(10.5, 3.6);
        tag.quadTo(10.5, 4.6, 9.5, 4.6);
        tag.lineTo(2.3, 4.6);
        tag.closeSubpath();
        p.setPen(QPen(colors[i].darker(135), 0.7));
        p.setBrush(colors[i]);
        p.drawPath(tag);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(2.3, 2.3), 0.75, 0.75);
        p.restore();
    }
}

// The currencies pane's toolbar item: a banknote with a coin in front of it.
void drawCurrency(QPainter& p) {
    p.setPen(QPen(QColor("#3F7A46"), 0.8));
    p.setBrush(QColor("#9ED29B"));
    p.drawRoundedRect(QRectF(0.8, 2.5, 12.5, 7.5), 1, 1);
    p.setPen(QPen(QColor("#3F7A46"), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(7, 6.25), 2, 2);
    p.setPen(QPen(QColor("#8A6A12"), 0.7));
    p.setBrush(QColor("#F4D35E"));
    p.drawEllipse(QRectF(7.5, 7.5, 8, 8));
    p.setPen(QPen(QColor("#B8901E"), 0.6));
    p.drawEllipse(QRectF(9, 9, 5, 5));
}

// The scheduled list's mark of a repeating item: two arrows chasing each other round a circle.
void drawRepeating(QPainter& p) {
    const QColor color("#6D7A88");
    p.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(3, 3, 10, 10);
    p.drawArc(ring, 30 * 16, 140 * 16);
    p.drawArc(ring, 210 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    QPainterPath head;
    head.moveTo(12.6, 2.4);
    head.lineTo(13.6, 7.4);
    head.lineTo(9.4, 5.4);
    head.closeSubpath();
    p.drawPath(head);
    p.drawPath(QTransform().rotate(180, Qt::ZAxis).translate(-16, -16).map(head));
}

// The scheduled list's mark of a transfer: an arrow to the right over one to the left.
void drawTransfer(QPainter& p) {
    const QColor color("#6D7A88");
    p.setPen(QPen(color, 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(2, 5.5), QPointF(11, 5.5));
    p.drawLine(QPointF(5, 10.5), QPointF(14, 10.5));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    QPainterPath right;
    right.moveTo(14.5, 5.5);
    right.lineTo(10.5, 2.5);
    right.lineTo(10.5, 8.5);
    right.closeSubpath();
    p.drawPath(right);
    QPainterPath left;
    left.moveTo(1.5, 10.5);
    left.lineTo(5.5, 7.5);
    left.lineTo(5.5, 13.5);
    left.closeSubpath();
    p.drawPath(left);
}

// The tile behind the scheduled list: a quiet grey with fine diagonal lines.
void drawScheduledBackground(QPainter& p) {
    p.fillRect(QRectF(0, 0, 16, 16), QColor("#E9ECEF"));
    p.setPen(QPen(QColor("#E1E5E9"), 1));
    p.drawLine(QPointF(0, 16), QPointF(16, 0));
    p.drawLine(QPointF(-8, 8), QPointF(8, -8));
    p.drawLine(QPointF(8, 24), QPointF(24, 8));
}

const QHash<QString, Painter>& painters() {
    static const QHash<QString, Painter> all = {
        {QStringLiteral("categoryFieldButton"), drawCategoryFieldButton},
        {QStringLiteral("up_chevron"), [](QPainter& p) { drawChevron(p, true); }},
        {QStringLiteral("down_chevron"), [](QPainter& p) { drawChevron(p, false); }},
        {QStringLiteral("account_icon"), [](QPainter& p) { drawAccount(p, QColor("#5B8DC9")); }},
        {QStringLiteral("closedAccountIcon"),
         [](QPainter& p) { drawAccount(p, QColor("#B4B4B4")); }},
        {QStringLiteral("folder_icon"), drawFolder},
        {QStringLiteral("sourceListBudgetIcon"), drawBudget},
        {QStringLiteral("allAccountsIcon"), drawAllAccounts},
        {QStringLiteral("scheduledIcon"), drawScheduled},
        {QStringLiteral("breakdown_icon"), drawBreakdown},
        {QStringLiteral("trends_icon"), drawTrends},
        {QStringLiteral("welcomePattern"), drawWelcomePattern},
        {QStringLiteral("appIcon"), drawAppIcon},
        {QStringLiteral("categoriesIcon"), drawCategories},
        {QStringLiteral("currencyIcon"), drawCurrency},
        {QStringLiteral("clock"), drawClock},
        {QStringLiteral("repeatingIcon"), drawRepeating},
        {QStringLiteral("transferIcon"), drawTransfer},
        {QStringLiteral("scheduledBackground"), drawScheduledBackground},
    };
    return all;
}

}  // namespace

bool Images::hasImage(const QString& name) {
    return painters().contains(name);
}

QPixmap Images::pixmap(const QString& name, int size, qreal devicePixelRatio) {
    const auto found = painters().find(name);
    if (found == painters().end()) {
        return {};
    }
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    (*found)(painter);
    return pixmap;
}

QIcon Images::icon(const QString& name) {
    if (!hasImage(name)) {
        return {};
    }
    QIcon icon;
    for (const int size : {16, 32}) {
        for (const qreal ratio : {1.0, 2.0}) {
            icon.addPixmap(pixmap(name, size, ratio));
        }
    }
    return icon;
}

QSizeF Images::imageSize(const QString& name) {
    const auto found = ChromeImages::all().find(name);
    return found == ChromeImages::all().end() ? QSizeF() : found->size;
}

QPixmap Images::image(const QString& name, qreal devicePixelRatio) {
    const auto found = ChromeImages::all().find(name);
    if (found == ChromeImages::all().end()) {
        return {};
    }
    QPixmap pixmap((found->size * devicePixelRatio).toSize());
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    found->draw(painter, found->size);
    return pixmap;
}

QPixmap Images::rotateBy(const QPixmap& pixmap, int degrees) {
    PN_ASSERT(degrees == 90 || degrees == 180 || degrees == 270,
              "Only perpendicular rotations are supported");
    // Qt's y axis grows downward, so a counter-clockwise turn is a negative angle.
    QPixmap rotated = pixmap.transformed(QTransform().rotate(-degrees));
    rotated.setDevicePixelRatio(pixmap.devicePixelRatio());
    return rotated;
}

void Images::drawImage(QPainter& painter, const QRectF& rect, const QString& name) {
    const auto found = ChromeImages::all().find(name);
    if (found == ChromeImages::all().end() || rect.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    found->draw(painter, rect.size());
    painter.restore();
}

void Images::drawThreePartImage(QPainter& painter, const QRectF& rect, const QString& left,
                                const QString& middle, const QString& right) {
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    const QSizeF leftSize = imageSize(left);
    const QSizeF rightSize = imageSize(right);
    const qreal leftWidth = std::min(leftSize.width(), rect.width() / 2);
    const qreal rightWidth = std::min(rightSize.width(), rect.width() / 2);
    // Caps are cut, not squeezed, when the rect is narrower than both.
    painter.drawPixmap(QRectF(rect.left(), rect.top(), leftWidth, rect.height()),
                       image(left, ratio),
                       QRectF(0, 0, leftWidth * ratio, leftSize.height() * ratio));
    painter.drawPixmap(QRectF(rect.right() - rightWidth, rect.top(), rightWidth, rect.height()),
                       image(right, ratio),
                       QRectF((rightSize.width() - rightWidth) * ratio, 0, rightWidth * ratio,
                              rightSize.height() * ratio));
    const qreal middleWidth = rect.width() - leftWidth - rightWidth;
    if (middleWidth > 0) {
        painter.drawPixmap(QRectF(rect.left() + leftWidth, rect.top(), middleWidth, rect.height()),
                           image(middle, ratio), QRectF());
    }
}

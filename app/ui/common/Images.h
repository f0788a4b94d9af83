#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSizeF>
#include <QString>

class QPainter;
class QRectF;

// The program's images by name, drawn as simple vector shapes so they are crisp at every
// scale: "account_icon", "closedAccountIcon", "folder_icon", "sourceListBudgetIcon",
// "allAccountsIcon", "scheduledIcon", "breakdown_icon", "trends_icon", "welcomePattern",
// "appIcon", the budget summary's "clock", the entry controls' "categoryFieldButton", "up_chevron"
// and "down_chevron", the preferences panes' "categoriesIcon" and "currencyIcon", and the scheduled
// list's "repeatingIcon", "transferIcon" and "scheduledBackground". An unknown name gives a null
// icon. The chrome's images of their own size (ChromeImages: sidebar arrows, tooltip and bar parts)
// come through image().
class Images final {
public:
    // The icon of `name`, with pixmaps for 1x and 2x at 16 and 32 points.
    [[nodiscard]] static QIcon icon(const QString& name);
    // `name` drawn into a square of `size` points at `devicePixelRatio`.
    [[nodiscard]] static QPixmap pixmap(const QString& name, int size, qreal devicePixelRatio);
    [[nodiscard]] static bool hasImage(const QString& name);

    // A chrome image at its own size in points, drawn for `devicePixelRatio`; null when unknown.
    [[nodiscard]] static QPixmap image(const QString& name, qreal devicePixelRatio);
    // Its size in points (empty when unknown).
    [[nodiscard]] static QSizeF imageSize(const QString& name);
    // `pixmap` turned by 90, 180 or 270 degrees counter-clockwise; any other angle is
    // AssertionFailure "Only perpendicular rotations are supported".
    [[nodiscard]] static QPixmap rotateBy(const QPixmap& pixmap, int degrees);
    // A chrome image drawn into `rect` at that size (not a stretched pixmap), so an image
    // that grows with what it shows stays crisp: the budget bars' fills.
    static void drawImage(QPainter& painter, const QRectF& rect, const QString& name);
    // A horizontal three-part image over `rect`: the left cap, the middle stretched, the right
    // cap, each at the rect's height.
    static void drawThreePartImage(QPainter& painter, const QRectF& rect, const QString& left,
                                   const QString& middle, const QString& right);
};

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's images by name, drawn as simple vector shapes so they are crisp at every
// scale: "account_icon", "closedAccountIcon", "folder_icon", "sourceListBudgetIcon",
// "allAccountsIcon", "scheduledIcon", "breakdown_icon", "trends_icon", "welcomePattern",
// "appIcon", the entry controls' "categoryFieldButton", "up_chevron" and "down_chevron", and
// the scheduled list's "repeatingIcon", "transferIcon" and "scheduledBackground".
// An unknown name gives a null icon.
class Images final {
public:
    // The icon of `name`, with pixmaps for 1x and 2x at 16 and 32 points.
    [[nodiscard]] static QIcon icon(const QString& name);
    // `name` drawn into a square of `size` points at `devicePixelRatio`.
    [[nodiscard]] static QPixmap pixmap(const QString& name, int size, qreal devicePixelRatio);
    [[nodiscard]] static bool hasImage(const QString& name);
};

#pragma once

#include <QHash>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;

// The window chrome's images that are not square icons: the sidebar's arrows and highlight,
// the trends tooltip's bubble and arrows, the breakdown's bar caps, and the budget outline's
// bar track and fills, zoom buttons, pace needle and notes mark. Each is drawn with
// QPainter into its own size in points, so it is crisp at every scale. Used through Images.
class ChromeImages final {
public:
    struct Image final {
        QSizeF size;
        std::function<void(QPainter&, const QSizeF&)> draw;
    };
    [[nodiscard]] static const QHash<QString, Image>& all();
};

#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// The register's flag images, drawn as vector shapes so they stay crisp at every scale:
// "pendingFlag" (blue), "newFlag" (orange), "generatedFlag" (a grey clock), and the grey
// "pendingFlagGray" and "newFlagGray" that show what a click would set.
class FlagImages final {
public:
    FlagImages() = delete;

    // Draws `name` centred in `rect`, at most 16 by 16 points. Unknown names draw nothing.
    static void paint(QPainter& painter, const QRectF& rect, const QString& name);
    static bool hasImage(const QString& name);
};

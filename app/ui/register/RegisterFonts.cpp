#include "ui/register/RegisterFonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <cmath>

namespace {

QFont sized(double points, bool bold = false) {
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

RegisterFonts::RegisterFonts()
    : m_title(sized(12)), m_notes(sized(11)), m_checkNumber(sized(11)), m_cell(sized(12)) {
    m_pixelsPerPoint = QFontInfo(m_title).pointSizeF() > 0
                           ? QFontInfo(m_title).pixelSize() / QFontInfo(m_title).pointSizeF()
                           : 1.0;
    const double toPoints = 1.0 / m_pixelsPerPoint;
    m_metrics.title = QFontMetricsF(m_title).height() * toPoints;
    m_metrics.notesLine = QFontMetricsF(m_notes).height() * toPoints;
    m_metrics.categoryLine = QFontMetricsF(m_cell).height() * toPoints;
}

int RegisterFonts::rowHeight(RegisterRowHeight::Lines lines) const {
    return static_cast<int>(
        std::ceil(RegisterRowHeight::height(lines, m_metrics) * m_pixelsPerPoint));
}

#pragma once

#include <QFont>

#include "ledger/RegisterRowHeight.h"

// The register's fonts and the line heights measured from them once: a 12-point title and
// cell text, 11-point notes and check numbers. Sizes are in points so that they stay crisp
// at every scale; rowHeight() turns a row's line counts into pixels.
class RegisterFonts final {
public:
    RegisterFonts();

    const QFont& title() const { return m_title; }
    const QFont& notes() const { return m_notes; }
    const QFont& checkNumber() const { return m_checkNumber; }
    const QFont& cell() const { return m_cell; }

    // Pixels per point of the screen the fonts are measured on.
    double pixelsPerPoint() const { return m_pixelsPerPoint; }
    int rowHeight(RegisterRowHeight::Lines lines) const;

private:
    QFont m_title;
    QFont m_notes;
    QFont m_checkNumber;
    QFont m_cell;
    double m_pixelsPerPoint = 1;
    RegisterRowHeight::Metrics m_metrics;  // in points
};

#pragma once

#include <vector>

#include "base/Decimal.h"

// The value scale of the trends chart: six labelled grid values, index 0 at the bottom to 5 at
// the top, one of which is exactly zero, with at least one band below and one above zero. The
// maths is in 32-bit floats because it only places grid lines; amounts come in as Decimal and
// are converted here, at that boundary.
class ChartScale final {
public:
    static constexpr int kNumDivisions = 6;

    // The scale for a series' values (no values: as for all zeros). Values from 0 to 1234 give
    // a step of 340 from -340; -500 to 1500 a step of 550 from -550; all zeros 110 from -110.
    [[nodiscard]] static ChartScale determineScale(const std::vector<Decimal>& values);

    // The index of the grid line that carries zero: 1 when min >= 0, n - 2 when max <= 0,
    // otherwise the share of |min| in the span, clamped to [1, n - 2].
    [[nodiscard]] static int zeroLineForMinValue(float minValue, float maxValue, int numDivisions);
    // The smallest step that fits the data with zero on line `zeroLine`. REQUIRES: zeroLine is
    // neither 0 nor n - 1, else AssertionFailure "Zero line should never be at the top or at
    // the bottom". Greater than zero for the line zeroLineForMinValue gives for min and max.
    [[nodiscard]] static float preciseStepForZeroLine(int zeroLine, int numDivisions,
                                                      float minValue, float maxValue);
    // 10 up to 10; the next multiple of 10 below 100; above, rounded up to its two leading
    // digits (339.35 -> 340). REQUIRES: step > 0, else AssertionFailure "step should be greater
    // than zero".
    [[nodiscard]] static float roundStep(float step);

    float scaleStep() const { return m_scaleStep; }
    float scaleStart() const { return m_scaleStart; }
    int zeroLine() const { return m_zeroLine; }
    // scaleStart + i x scaleStep.
    [[nodiscard]] float gridValue(int index) const;
    // The same as the amount its label shows. Steps are whole, so the conversion is exact.
    [[nodiscard]] Decimal gridLabelValue(int index) const;
    // The amount whose label sets the width of the value margin: scaleStep x -5.
    [[nodiscard]] Decimal marginLabelValue() const;

private:
    ChartScale(float scaleStep, float scaleStart, int zeroLine)
        : m_scaleStep(scaleStep), m_scaleStart(scaleStart), m_zeroLine(zeroLine) {}

    float m_scaleStep;
    float m_scaleStart;
    int m_zeroLine;
};

#include "ChartScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/AssertionFailure.h"

namespace {

// |min truncated to an integer|, as the scale rules count the negative side in whole units.
// Held in a double, which is exact for every whole float and cannot overflow as an int would.
double truncatedMagnitude(float value) {
    return std::trunc(std::fabs(static_cast<double>(value)));
}

// Integer division of a whole, non-negative magnitude by a small divisor.
double wholeQuotient(double magnitude, int divisor) {
    return std::floor(magnitude / divisor);
}

int formattedLength(float value) {
    char buffer[64];
    int length = std::snprintf(buffer, sizeof buffer, "%.0f", static_cast<double>(value));
    PN_ASSERT(length > 0 && length < static_cast<int>(sizeof buffer), "Step out of range");
    return length;
}

// A whole float as an exact Decimal, through its digits (it may not fit an integer type).
Decimal wholeDecimal(float value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", static_cast<double>(value));
    return Decimal::fromString(buffer);
}

}  // namespace

ChartScale ChartScale::determineScale(const std::vector<Decimal>& values) {
    float maxValue = 0;
    float minValue = 0;
    if (!values.empty()) {
        auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
        minValue = static_cast<float>(lowest->toDouble());
        maxValue = static_cast<float>(highest->toDouble());
    }
    int zeroLine = zeroLineForMinValue(minValue, maxValue, kNumDivisions);
    float precise = preciseStepForZeroLine(zeroLine, kNumDivisions, minValue, maxValue);
    // Ten per cent of head room, taken in double precision and narrowed again.
    float step = roundStep(static_cast<float>(static_cast<double>(precise) * 1.1));
    return ChartScale(step, -(static_cast<float>(zeroLine) * step), zeroLine);
}

int ChartScale::zeroLineForMinValue(float minValue, float maxValue, int numDivisions) {
    if (minValue >= 0) {
        return 1;
    }
    if (maxValue <= 0) {
        return numDivisions - 2;
    }
    float share = static_cast<float>(truncatedMagnitude(minValue)) / (maxValue - minValue);
    float x = static_cast<float>(numDivisions - 1) * share;
    if (x < 1) {
        return 1;
    }
    if (x > static_cast<float>(numDivisions - 2)) {
        return numDivisions - 2;
    }
    return static_cast<int>(std::lround(x));
}

float ChartScale::preciseStepForZeroLine(int zeroLine, int numDivisions, float minValue,
                                         float maxValue) {
    PN_ASSERT(zeroLine != 0 && zeroLine != numDivisions - 1,
              "Zero line should never be at the top or at the bottom");
    double magnitude = truncatedMagnitude(minValue);
    if (zeroLine == 1 && minValue >= 0 && maxValue >= 0) {
        if (minValue == 0 && maxValue == 0) {
            return 100;
        }
        return maxValue / static_cast<float>(numDivisions - 2);
    }
    if (zeroLine == numDivisions - 2 && maxValue <= 0 && minValue <= 0) {
        double whole = wholeQuotient(magnitude, numDivisions - 2);
        if (whole > 0) {
            return static_cast<float>(whole);
        }
        // Values all within a few units below zero: the whole-unit quotient is zero, which no
        // step can be, so the exact quotient is used instead.
        return std::fabs(minValue) / static_cast<float>(numDivisions - 2);
    }
    float above = maxValue / static_cast<float>(numDivisions - 1 - zeroLine);
    auto below = static_cast<float>(wholeQuotient(magnitude, zeroLine));
    return std::max(above, below);
}

float ChartScale::roundStep(float step) {
    PN_ASSERT(step > 0, "step should be greater than zero");
    if (step <= 10) {
        return 10;
    }
    if (step < 100) {
        return 10 * std::ceil(step / 10);
    }
    float unit = 1;
    for (int i = 0; i < formattedLength(step) - 2; ++i) {
        unit *= 10;
    }
    return unit * std::ceil(step / unit);
}

float ChartScale::gridValue(int index) const {
    return m_scaleStart + static_cast<float>(index) * m_scaleStep;
}

Decimal ChartScale::gridLabelValue(int index) const {
    return wholeDecimal(gridValue(index));
}

Decimal ChartScale::marginLabelValue() const {
    return wholeDecimal(m_scaleStep * -5);
}

#pragma once

// Points and rectangles of the report drawings, in the coordinates of the view that draws
// them (whether y grows up or down is the view's). Geometry only: never money.
struct ReportPoint final {
    double x = 0;
    double y = 0;
    bool operator==(const ReportPoint&) const = default;
};

struct ReportRect final {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool operator==(const ReportRect&) const = default;
};

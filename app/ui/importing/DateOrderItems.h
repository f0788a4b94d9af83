#pragma once

class QComboBox;

// The items of the date order pop-ups: tag 0 month/day/year, 1 day/month/year, 2
// year/month/day, each with its tag as data.
class DateOrderItems final {
public:
    DateOrderItems() = delete;
    static void addTo(QComboBox& popup);
};

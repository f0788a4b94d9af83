#pragma once

#include <cstdint>
#include <string>

#include "base/Date.h"

class ObjectContext;

// What the projection sheet asks of the application.
class ProjectionSheetActions {
public:
    virtual ~ProjectionSheetActions() = default;
    virtual void save() = 0;
    virtual void updateAllViews() = 0;
};

// The state of the sheet in which the user turns the projection on or off and sets how many
// months it covers. The sheet shows `isOn()`'s message view, the header and the toggle title,
// and hands the months field back on Done.
class ProjectionSheetModel final {
public:
    static constexpr const char* kHeaderPrefix = "Projection is currently ";
    static constexpr const char* kHeaderSuffix = ".";

    ProjectionSheetModel(ObjectContext& context, ProjectionSheetActions& actions);

    // Saves the store and loads the state the sheet opens with.
    void show();

    bool isOn() const { return m_isOn; }
    // Shown in bold between the header's prefix and suffix.
    std::string headerStateWord() const { return m_isOn ? "on" : "off"; }
    std::string toggleButtonTitle() const {
        return m_isOn ? "Turn Off Projection" : "Turn On Projection";
    }
    // The months field; meaningful while on.
    std::int64_t monthsField() const { return m_monthsField; }
    void setMonthsField(std::int64_t months);

    // Off: deletes every generated transaction. On: one month, generated from today. Then the
    // categories-changed notification, a refresh and a save.
    void toggle(Date today);
    // Closes the sheet: while on, stores the months field and, when the projection's end moved,
    // brings every item's projection up to date.
    void done(Date today);

    // The smallest and largest number of months the field accepts.
    static constexpr std::int64_t kMinimumMonths = 1;
    static constexpr std::int64_t kMaximumMonths = 120;

private:
    ObjectContext& m_context;
    ProjectionSheetActions& m_actions;
    bool m_isOn = false;
    std::int64_t m_monthsField = 1;
};

#pragma once

#include "base/Date.h"

class ObjectContext;

// Moves the dates of a freshly copied sample store so that it always looks current.
class SampleDates final {
public:
    // - every transaction moves by the whole months from the latest transaction's month to
    //   today's (a day past the end of a shorter month becomes its last day);
    // - the one budget is named "<year> Budget" with today's year and starts on the first day
    //   of the previous month;
    // - every scheduled item moves by the days that bring the earliest due one to today.
    // Nothing is saved. AssertionFailure when the store holds no transaction, or not exactly
    // one budget.
    static void updateDateOnSampleData(ObjectContext& context, Date today);
};

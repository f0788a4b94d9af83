#include <benchmark/benchmark.h>

#include <vector>

#include "scheduled/RepeatSchedule.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"

// The projection walks every item's dates up to its end; the day check walks every item for
// reminders. Both run once a day over all items, so they must stay cheap per item.
namespace {

Date ymd(int y, int m, int d) {
    return Date::dateWithYear_PN(y, m, d);
}

// Dates of a weekly two-day rule over `state.range(0)` months.
void BM_UpcomingDatesWeekly(benchmark::State& state) {
    RepeatSchedule s{ymd(2011, 1, 3), std::string(RepeatSchedule::kWeek), 2,
                     std::vector<RepeatRule>{DIWeek(2), DIWeek(5)}, std::nullopt};
    Date end = s.nextDueDate.monthsLater_PN(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.upcomingDatesUntil(end, -1));
    }
}
BENCHMARK(BM_UpcomingDatesWeekly)->Arg(1)->Arg(12)->Arg(120);

// Dates of a last-day monthly rule over `state.range(0)` months.
void BM_UpcomingDatesMonthlyLastDay(benchmark::State& state) {
    RepeatSchedule s{ymd(2011, 1, 31), std::string(RepeatSchedule::kMonth), 1,
                     std::vector<RepeatRule>{DIMonth(DIMonth::kLastDay)}, std::nullopt};
    Date end = s.nextDueDate.monthsLater_PN(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.upcomingDatesUntil(end, -1));
    }
}
BENCHMARK(BM_UpcomingDatesMonthlyLastDay)->Arg(1)->Arg(12)->Arg(120);

// The reminder check over `state.range(0)` items, none of them due.
void BM_CheckReminders(benchmark::State& state) {
    ObjectContext context(ApplicationModel::shared());
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        ScheduledItem* item = context.insert<ScheduledItem>();
        item->setNextDueDate(ymd(2011, 6, 1).daysLater_PN(static_cast<int>(i % 300)));
        item->setReminderDays(2);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScheduledItem::checkReminders(context, ymd(2011, 1, 1)));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CheckReminders)->Arg(100)->Arg(10000);

}  // namespace

BENCHMARK_MAIN();

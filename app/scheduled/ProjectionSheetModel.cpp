#include "scheduled/ProjectionSheetModel.h"

#include <algorithm>

#include "base/Log.h"
#include "base/NotificationCenter.h"
#include "ledger/Global.h"
#include "scheduled/ScheduledItem.h"

ProjectionSheetModel::ProjectionSheetModel(ObjectContext& context, ProjectionSheetActions& actions)
    : m_context(context), m_actions(actions) {}

void ProjectionSheetModel::show() {
    m_actions.save();
    Global* global = Global::sharedInstanceInContext(m_context);
    m_isOn = global->isShowingProjection();
    if (m_isOn) {
        m_monthsField = global->projectedMonths().value_or(0);
    }
}

void ProjectionSheetModel::setMonthsField(std::int64_t months) {
    m_monthsField = std::clamp(months, kMinimumMonths, kMaximumMonths);
}

void ProjectionSheetModel::toggle(Date today) {
    Global* global = Global::sharedInstanceInContext(m_context);
    if (m_isOn) {
        ScheduledItem::hideProjections(m_context);
        m_isOn = false;
    } else {
        global->setProjectedMonths(1);
        m_monthsField = 1;
        ScheduledItem::generateProjections(m_context, today);
        m_isOn = true;
    }
    NotificationCenter::defaultCenter().post(kPNCategoriesChanged);
    m_actions.updateAllViews();
    m_actions.save();
}

void ProjectionSheetModel::done(Date today) {
    if (!m_isOn) {
        return;
    }
    Global::sharedInstanceInContext(m_context)->setProjectedMonths(m_monthsField);
    m_actions.save();
    if (ScheduledItem::needsToUpdateProjection(m_context, today)) {
        logLine("Updating projection...");
        m_actions.save();
        ScheduledItem::updateProjections(m_context, today);
        NotificationCenter::defaultCenter().post(kPNCategoriesChanged);
        m_actions.updateAllViews();
        m_actions.save();
        logLine("Done.");
    }
}

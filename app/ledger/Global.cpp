#include "ledger/Global.h"

#include "base/AssertionFailure.h"
#include "store/EntityBuilder.h"

const EntityDescription& Global::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<Global>("Global")
            .attribute("homeCurrency", &Global::m_homeCurrency)
            .attribute("internalVersion", &Global::m_internalVersion)
            .attribute("nextSortID", &Global::m_nextSortID)
            .attribute("projectedMonths", &Global::m_projectedMonths)
            .attribute("projectionEndDate", &Global::m_projectionEndDate)
            .build();
    return description;
}

Global* Global::sharedInstanceInContext(ObjectContext& context) {
    std::vector<Global*> all = allInContext(context);
    PN_ASSERT(all.size() <= 1, "More than one Global record in the store");
    if (!all.empty()) {
        return all.front();
    }
    return context.insert<Global>();
}

Global* Global::sharedInstance() {
    return sharedInstanceInContext(ObjectContext::applicationContext());
}

void Global::awakeFromInsert() {
    setHomeCurrency("USD");
    setProjectedMonths(-1);
}

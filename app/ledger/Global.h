#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Date.h"
#include "store/Entity.h"

// The one settings record of a store: home currency, data-layout version, the next
// transaction sort ID and the projection settings. Created on first use, never deleted.
class Global final : public Entity<Global> {
public:
    static const EntityDescription& entityDescription();

    // The record of `context`, inserted when there is none. Two or more records are an
    // AssertionFailure.
    static Global* sharedInstanceInContext(ObjectContext& context);
    // The same on the application's context.
    static Global* sharedInstance();

    // Sets homeCurrency "USD" and projectedMonths -1 (projection off).
    void awakeFromInsert() override;

    const std::string& homeCurrency() const { return m_homeCurrency; }
    void setHomeCurrency(std::string code) { setValue(&Global::m_homeCurrency, std::move(code)); }
    // Unset in a new store.
    std::optional<std::int64_t> internalVersion() const { return m_internalVersion; }
    void setInternalVersion(std::optional<std::int64_t> version) {
        setValue(&Global::m_internalVersion, version);
    }
    std::int64_t nextSortID() const { return m_nextSortID; }
    void setNextSortID(std::int64_t sortID) { setValue(&Global::m_nextSortID, sortID); }
    // Negative: projection hidden.
    std::optional<std::int64_t> projectedMonths() const { return m_projectedMonths; }
    void setProjectedMonths(std::optional<std::int64_t> months) {
        setValue(&Global::m_projectedMonths, months);
    }
    // Unset while the projection is hidden.
    std::optional<Date> projectionEndDate() const { return m_projectionEndDate; }
    void setProjectionEndDate(std::optional<Date> date) {
        setValue(&Global::m_projectionEndDate, date);
    }

    // True when projectedMonths is 0 or more; unset counts as 0.
    bool isShowingProjection() const { return m_projectedMonths.value_or(0) >= 0; }

private:
    std::string m_homeCurrency;
    std::optional<std::int64_t> m_internalVersion;
    std::int64_t m_nextSortID = 0;
    std::optional<std::int64_t> m_projectedMonths;
    std::optional<Date> m_projectionEndDate;
};

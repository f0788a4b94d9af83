#pragma once

#include <string_view>
#include <vector>

#include "store/migration/EntityMapping.h"

class EntityModel;

// The step from one model version to the next: the source model (an older version the
// program still knows) and the entity mappings, run in the order given.
class MappingModel final {
public:
    // REQUIRES: `sourceModel` outlives the mapping model.
    MappingModel(const EntityModel& sourceModel, int destinationVersion,
                 std::vector<EntityMapping> entityMappings);

    const EntityModel& sourceModel() const { return m_sourceModel; }
    int sourceVersion() const;
    int destinationVersion() const { return m_destinationVersion; }
    const std::vector<EntityMapping>& entityMappings() const { return m_entityMappings; }
    // Nothing when no mapping has that name.
    const EntityMapping* entityMappingNamed(std::string_view name) const;

private:
    const EntityModel& m_sourceModel;
    int m_destinationVersion;
    std::vector<EntityMapping> m_entityMappings;
};

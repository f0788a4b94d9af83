#include "store/migration/MappingModel.h"

#include "store/EntityModel.h"

MappingModel::MappingModel(const EntityModel& sourceModel, int destinationVersion,
                           std::vector<EntityMapping> entityMappings)
    : m_sourceModel(sourceModel),
      m_destinationVersion(destinationVersion),
      m_entityMappings(std::move(entityMappings)) {}

int MappingModel::sourceVersion() const {
    return m_sourceModel.version();
}

const EntityMapping* MappingModel::entityMappingNamed(std::string_view name) const {
    for (const EntityMapping& mapping : m_entityMappings) {
        if (mapping.name() == name) {
            return &mapping;
        }
    }
    return nullptr;
}

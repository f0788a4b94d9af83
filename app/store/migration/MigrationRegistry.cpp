#include "store/migration/MigrationRegistry.h"

#include <algorithm>

#include "base/AssertionFailure.h"
#include "store/EntityModel.h"
#include "store/migration/MappingModel.h"

MigrationRegistry& MigrationRegistry::shared() {
    static MigrationRegistry registry;
    return registry;
}

void MigrationRegistry::addStep(const MappingModel& mapping, const EntityModel& destinationModel) {
    PN_ASSERT(mapping.destinationVersion() == destinationModel.version() &&
                  mapping.sourceVersion() < destinationModel.version(),
              "A mapping model must lead to a newer model of its destination version");
    for (const Step& step : m_steps) {
        if (step.mapping == &mapping) {
            return;
        }
    }
    m_steps.push_back(Step{&mapping, &destinationModel});
}

std::vector<const MappingModel*> MigrationRegistry::pathFrom(int version,
                                                             const EntityModel& model) const {
    std::vector<const MappingModel*> path;
    const EntityModel* target = &model;
    // Walks back from the model: versions fall with every step, so this ends.
    while (target->version() > version) {
        const Step* found = nullptr;
        for (const Step& step : m_steps) {
            if (step.destination == target && step.mapping->sourceVersion() >= version) {
                found = &step;
                break;
            }
        }
        if (!found) {
            return {};
        }
        path.push_back(found->mapping);
        target = &found->mapping->sourceModel();
    }
    if (target->version() != version) {
        return {};
    }
    std::reverse(path.begin(), path.end());
    return path;
}

const EntityModel& MigrationRegistry::destinationModelOf(const MappingModel& mapping) const {
    for (const Step& step : m_steps) {
        if (step.mapping == &mapping) {
            return *step.destination;
        }
    }
    PN_ASSERTION_FAILURE("Mapping model from version " + std::to_string(mapping.sourceVersion()) +
                         " is not registered");
}

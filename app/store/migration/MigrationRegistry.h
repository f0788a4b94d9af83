#pragma once

#include <vector>

class EntityModel;
class MappingModel;

// The model-version steps the program knows: each mapping model with the model it leads to.
// Stores that find an older model version in a file ask it for the way to their own model.
class MigrationRegistry final {
public:
    static MigrationRegistry& shared();

    // REQUIRES: both outlive the registry. Adding the same step again does nothing.
    void addStep(const MappingModel& mapping, const EntityModel& destinationModel);
    // Forgets every step (tests).
    void clear() { m_steps.clear(); }

    // The mapping models that lead from a file of `version` to `model`, oldest first; empty
    // when there is no such way (also when `version` is not older than the model).
    std::vector<const MappingModel*> pathFrom(int version, const EntityModel& model) const;
    // The model a step leads to. REQUIRES: `mapping` was added.
    const EntityModel& destinationModelOf(const MappingModel& mapping) const;

private:
    struct Step {
        const MappingModel* mapping;
        const EntityModel* destination;
    };
    std::vector<Step> m_steps;
};

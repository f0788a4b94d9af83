#pragma once

class EntityModel;
class MappingModel;

// The ledger's model-version steps and their installation: with them a store opened with
// the program's model migrates when its file is of an older version.
class LedgerMigrations final {
public:
    // Version 0 (LedgerModel0) to version 1, the program's model.
    static const MappingModel& mappingModel0To1();

    // Registers the steps as leading to `currentModel` (of version 1) and makes sure the
    // migration manager has the relationship-mapping function. Safe to call more than once.
    static void install(const EntityModel& currentModel);
};

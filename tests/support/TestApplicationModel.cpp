#include "TestApplicationModel.h"

#include "session/ApplicationModel.h"

const EntityModel& applicationModel() {
    return ApplicationModel::shared();
}

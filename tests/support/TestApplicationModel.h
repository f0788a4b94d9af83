#pragma once

#include "store/EntityModel.h"

// The program's whole entity model (the session's ApplicationModel), for the tests of the
// subsystems below the session. A context of ledger objects needs every entity the ledger's
// entities name as relationship destinations, the scheduled items' and the limits' too, so
// these tests link the code above them; their sources still see no header above their own
// subsystem, since this library hands over only the model.
const EntityModel& applicationModel();

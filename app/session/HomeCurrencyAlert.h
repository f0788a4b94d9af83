#pragma once

#include "base/Alert.h"

// The alert of a start that moved an older store's home currency to the locale's: message,
// informative text and one default button. The start sequence returns it; the front end
// shows it.
using HomeCurrencyAlert = Alert;

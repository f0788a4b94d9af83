#include "DateFormatter.h"

#include "PNDateFormatter.h"

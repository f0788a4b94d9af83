#pragma once

#include <string>

#include "store/AttributeValue.h"

class ObjectContext;

// Renders every live object of a context as one text, one line per object in ascending ID:
//   Entity#ID attr=value ... toOne=#ID|nil toMany=[#ID #ID]
// Attributes and relationships appear in declaration order. Tests compare whole graphs
// with it (before and after undo, after a round trip through a store).
std::string dumpObjectGraph(const ObjectContext& context);

// One value as dumpObjectGraph writes it: "quoted text" (with \" \\ \n escapes), decimals
// plainly, dates as YYYY-MM-DD, integers, true/false, nil when unset, archived lists as
// [{key=value,...},...].
std::string formatAttributeValue(const AttributeValue& value);

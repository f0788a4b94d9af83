#pragma once

#include <functional>
#include <string_view>

// Writes one plain line to standard error (the program's log). No levels.
void logLine(std::string_view line);

// Tests capture the log: while a sink is set, lines go to it instead of standard error.
void setLogSink(std::function<void(std::string_view)> sink);

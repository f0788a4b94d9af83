#pragma once

class CommandRegistry;

// `day-check`: the once-a-day work for today, as the application does it when it becomes
// active.
void registerDayCheckCommand(CommandRegistry& registry);

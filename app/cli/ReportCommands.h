#pragma once

class CommandRegistry;

// The report commands: the report range, the breakdown, its periods and the trends series.
void registerReportCommands(CommandRegistry& registry);

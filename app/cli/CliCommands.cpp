#include "cli/CliCommands.h"

#include "base/ProgramVersion.h"
#include "cli/AccountCommands.h"
#include "cli/BackupCommands.h"
#include "cli/BudgetCommands.h"
#include "cli/CategoryCommands.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "cli/DayCheckCommand.h"
#include "cli/ImportCommands.h"
#include "cli/ReportCommands.h"
#include "cli/ScheduledCommands.h"
#include "cli/TransactionCommands.h"

void registerCliCommands(CommandRegistry& registry) {
    registry.add(
        {.name = "version", .summary = "the program's version", .run = [](CommandInvocation& call) {
             call.result()["version"] = kProgramVersion;
         }});
    registerAccountCommands(registry);
    registerTransactionCommands(registry);
    registerCategoryCommands(registry);
    registerImportCommands(registry);
    registerScheduledCommands(registry);
    registerDayCheckCommand(registry);
    registerBudgetCommands(registry);
    registerReportCommands(registry);
    registerBackupCommands(registry);
    registry.add(
        {.name = "help", .summary = "this list", .run = [&registry](CommandInvocation& call) {
             call.result() = registry.usageText();
         }});
}

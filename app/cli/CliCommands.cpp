#include "cli/CliCommands.h"

#include "cli/CommandInvocation.h"
#include "cli/CommandRegistry.h"
#include "cli/LedgerCommands.h"
#include "cli/ScheduledCommands.h"

namespace {

constexpr const char* kVersion = "0.1.0";

}  // namespace

void registerCliCommands(CommandRegistry& registry) {
    registry.add({.name = "version",
                  .summary = "the program's version",
                  .run = [](CommandInvocation& call) { call.result()["version"] = kVersion; }});
    registerLedgerCommands(registry);
    registerScheduledCommands(registry);
    registry.add(
        {.name = "help", .summary = "this list", .run = [&registry](CommandInvocation& call) {
             call.result() = registry.usageText();
         }});
}

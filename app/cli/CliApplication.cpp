#include "cli/CliApplication.h"

#include <ostream>

#include "base/AssertionFailure.h"
#include "base/Clock.h"
#include "base/Log.h"
#include "base/UserLocale.h"
#include "cli/CliCommands.h"
#include "cli/CliError.h"
#include "cli/CliStore.h"
#include "cli/CommandInvocation.h"
#include "cli/CommandLine.h"
#include "cli/JsonStreamWriter.h"
#include "cli/TextRenderer.h"

namespace {

// Fixes today and the locale for one run and puts them back afterwards, so that in-process
// runs (tests) do not leak into each other.
class RunEnvironment final {
public:
    RunEnvironment(const GlobalOptions& global, std::ostream& err) {
        // Standard error is for what the user must read; the log joins it only on request.
        setLogSink([&err, verbose = global.verbose](std::string_view line) {
            if (verbose) {
                err << line << "\n";
            }
        });
        if (global.today) {
            Clock::setFixedToday(*global.today);
        }
        if (global.locale) {
            UserLocale::set(*global.locale);
        }
    }
    ~RunEnvironment() {
        setLogSink(nullptr);
        Clock::reset();
        UserLocale::reset();
    }
    RunEnvironment(const RunEnvironment&) = delete;
    RunEnvironment& operator=(const RunEnvironment&) = delete;
};

}  // namespace

CliApplication::CliApplication() {
    registerCliCommands(m_registry);
}

int CliApplication::run(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err) {
    try {
        CommandLine line = CommandLine::parse(arguments);
        line.global.leaveObjectsToProcessExit = m_leaveStoresToProcessExit;
        const RunEnvironment environment(line.global, err);
        return runCommand(line, out, err);
    } catch (const CliError& error) {
        err << "pennora-cli: " << error.what() << "\n";
        return static_cast<int>(error.status());
    } catch (const AssertionFailure& failure) {
        err << "pennora-cli: internal error: " << failure.what() << "\n";
        return static_cast<int>(ExitStatus::Failed);
    } catch (const std::exception& exception) {
        err << "pennora-cli: " << exception.what() << "\n";
        return static_cast<int>(ExitStatus::Failed);
    }
}

int CliApplication::runCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const CommandRegistry::Match match = m_registry.find(line.words);
    if (match.definition == nullptr) {
        const std::string what =
            line.words.empty() ? "no command given" : "unknown command \"" + line.words[0] + "\"";
        throw CliError::usage(what + "\n" + m_registry.usageText());
    }
    const std::vector<std::string> arguments(
        line.words.begin() + static_cast<std::ptrdiff_t>(match.wordsUsed), line.words.end());
    CommandInvocation invocation(*match.definition, line.global, arguments);
    // Left on screen through the writing of the stores; gone before the answer or an error.
    CliProgress progress(err, m_errorIsTerminal, m_progressClock);
    invocation.reportProgressTo(progress);
    // The stores the command opens are written once it has succeeded and its answer is made:
    // a command that fails at any point writes nothing.
    CliStore::Run storesOfTheCommand;
    if (!line.global.json) {
        match.definition->run(invocation);
        const std::string text = TextRenderer::render(invocation.result());
        storesOfTheCommand.finish();
        progress.clear();
        out << text;
        return static_cast<int>(ExitStatus::Success);
    }
    JsonStreamWriter writer(out);
    invocation.streamTo(writer);
    match.definition->run(invocation);
    storesOfTheCommand.finish();
    progress.clear();
    if (invocation.hasStreamed()) {
        // The streamed members are out already; the rest of the answer closes the object.
        for (const auto& [name, member] : invocation.result().items()) {
            writer.key(name);
            writer.value(member);
        }
        writer.endObject();
    } else {
        writer.value(invocation.result());
    }
    writer.endDocument();
    return static_cast<int>(ExitStatus::Success);
}

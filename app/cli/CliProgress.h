#pragma once

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

// What a long command is doing, for a person watching a terminal: one line on standard error
// that each new text overwrites ("\r"), at most ten texts a second, cleared when the work ends
// (clear() or the destructor, before any error text is written). When standard error is not a
// terminal, or for the silent instance, it writes nothing at all, so scripts and tests see
// exactly the output they saw before.
class CliProgress final {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // The clock of a real run.
    static std::chrono::steady_clock::time_point steadyNow() {
        return std::chrono::steady_clock::now();
    }

    // Silent.
    CliProgress() = default;
    // Writes to `err` only when `isTerminal`; `clock` times the updates.
    CliProgress(std::ostream& err, bool isTerminal, Clock clock = &steadyNow);
    ~CliProgress();
    CliProgress(const CliProgress&) = delete;
    CliProgress& operator=(const CliProgress&) = delete;

    // Shows `text` in place of the line, unless a text was shown less than a tenth of a second
    // ago: for counts that change often.
    void update(const std::string& text);
    // Shows `text` now: for a new stage of the work, which must not be skipped.
    void show(const std::string& text);
    // Blanks the line and returns to its start; nothing when no text is shown.
    void clear();

    static constexpr std::chrono::milliseconds kInterval{100};

private:
    std::ostream* m_err = nullptr;
    Clock m_clock;
    std::chrono::steady_clock::time_point m_lastShown;
    // Characters of the line now shown (what the next text must cover).
    std::size_t m_shownWidth = 0;
    bool m_hasShown = false;
};

#include "cli/CliProgress.h"

#include <ostream>

namespace {

// Characters on screen, counting each UTF-8 sequence once.
std::size_t displayWidth(const std::string& text) {
    std::size_t width = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++width;
        }
    }
    return width;
}

}  // namespace

CliProgress::CliProgress(std::ostream& err, bool isTerminal, Clock clock)
    : m_err(isTerminal ? &err : nullptr), m_clock(std::move(clock)) {}

CliProgress::~CliProgress() {
    clear();
}

void CliProgress::update(const std::string& text) {
    if (m_err == nullptr) {
        return;
    }
    if (m_hasShown && m_clock() - m_lastShown < kInterval) {
        return;
    }
    show(text);
}

void CliProgress::show(const std::string& text) {
    if (m_err == nullptr) {
        return;
    }
    const std::size_t width = displayWidth(text);
    *m_err << '\r' << text;
    if (width < m_shownWidth) {
        // A shorter text leaves the end of the longer one behind unless it is blanked.
        *m_err << std::string(m_shownWidth - width, ' ') << '\r' << text;
    }
    m_err->flush();
    m_shownWidth = width;
    m_lastShown = m_clock();
    m_hasShown = true;
}

void CliProgress::clear() {
    if (m_err == nullptr || m_shownWidth == 0) {
        return;
    }
    *m_err << '\r' << std::string(m_shownWidth, ' ') << '\r';
    m_err->flush();
    m_shownWidth = 0;
}

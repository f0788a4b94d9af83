#include "Log.h"

#include <cstdio>
#include <utility>

namespace {
std::function<void(std::string_view)>& sink() {
    static std::function<void(std::string_view)> s;
    return s;
}
}  // namespace

void logLine(std::string_view line) {
    if (sink()) {
        sink()(line);
        return;
    }
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
}

void setLogSink(std::function<void(std::string_view)> newSink) {
    sink() = std::move(newSink);
}

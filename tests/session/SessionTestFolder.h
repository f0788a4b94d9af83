#pragma once

#include <filesystem>
#include <string>

// A private folder for one test, removed again when the test ends.
class SessionTestFolder final {
public:
    SessionTestFolder();
    ~SessionTestFolder();
    SessionTestFolder(const SessionTestFolder&) = delete;
    SessionTestFolder& operator=(const SessionTestFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

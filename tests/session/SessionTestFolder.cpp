#include "SessionTestFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

SessionTestFolder::SessionTestFolder() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    m_path = std::filesystem::temp_directory_path() /
             ("pennora-start-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" +
              test->name());
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

SessionTestFolder::~SessionTestFolder() {
    std::filesystem::remove_all(m_path);
}

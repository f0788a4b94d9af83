#pragma once

// The program's version, as both front ends report it (the project's version in CMake).
inline constexpr const char* kProgramVersion = "0.1.0";

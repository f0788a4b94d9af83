#pragma once

#include <string>
#include <string_view>

// The web address where a bill is paid is stored without its scheme and trailing slashes.

// Capture group 2 of "^(https?://)?(.*?)/*$": "https://bank.example/pay//" -> "bank.example/pay".
// Text that the pattern does not match (it spans several lines) is kept as it is.
std::string cleanupURL(std::string_view value);
// "http://" followed by the stored address.
std::string fullURL(std::string_view storedURL);

#pragma once

#include <string>

// Reads a whole number in [low, high] from text that holds nothing else: decimal, or with
// base 16 hexadecimal written with a "0x" prefix. False for anything else, out of range
// included; value is only meaningful on true.
bool readWholeNumber(const std::string& text, long long low, long long high, long long& value,
                     int base = 10);

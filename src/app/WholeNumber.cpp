#include "app/WholeNumber.h"

#include <charconv>

bool readWholeNumber(const std::string& text, long long low, long long high, long long& value,
                     int base) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (base == 16) {
        if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) {
            return false;
        }
        begin += 2;
    }
    auto [ptr, ec] = std::from_chars(begin, end, value, base);
    return ec == std::errc() && ptr == end && begin != end && value >= low && value <= high;
}

#include "Rate.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Hundredths of a non-negative value, rounded half away from zero on its decimal digits.
long long RoundedHundredths(long double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", value); // d.ddddddddddddddddde±x: 18 digits
    char digits[19] = {};
    digits[0] = buf[0];
    std::memcpy(digits + 1, buf + 2, 17);
    const int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    const int kept = exponent + 1 + 2; // digits before the point once multiplied by 100
    if (kept < 0)
        return 0;
    long long hundredths = 0;
    for (int i = 0; i < kept; ++i)
        hundredths = hundredths * 10 + (i < 18 ? digits[i] - '0' : 0);
    const int next = kept < 18 ? digits[kept] - '0' : 0;
    return hundredths + (next >= 5 ? 1 : 0);
}

} // namespace

QString FirstTryRateText(int firstRight, int answered)
{
    const long double rate = static_cast<long double>(firstRight) / answered * 100;
    const long long h = RoundedHundredths(rate);
    return QString::asprintf("首正率：%lld.%02lld%%", h / 100, h % 100);
}

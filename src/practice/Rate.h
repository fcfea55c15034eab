#pragma once

#include <QString>

// "首正率：%.2f%%" of the first-try rate, two decimals with a half rounded away from zero, judged
// on the rate's 18-significant-digit decimal form (so 1 of 32 reads 3.13, not 3.12).
QString FirstTryRateText(int firstRight, int answered);

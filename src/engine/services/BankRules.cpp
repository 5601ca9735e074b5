#include "BankRules.h"

#include "../state/Fraction.h"

namespace quorvex {

Int interestOn(Int balance, double ratePercent) {
    // The rate is read as the decimal it was written as, so the halves fall where they should.
    return (Fraction(balance) / 100 * Fraction::decimal(ratePercent)).round();
}

Int largestPayment(Int owed, Int cash) {
    return cash >= owed ? owed : cash;
}

}  // namespace quorvex

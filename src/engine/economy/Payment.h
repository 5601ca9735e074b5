#pragma once

#include <cstdint>
#include <string>

#include "../state/Int.h"

namespace quorvex {

class World;

// What a running cost of the world update pays for; it only picks the texts the company reads.
enum class PaymentPurpose { MineUpkeep, MineProduction, Purchases, Manufacturing };

// Pays a running cost: from cash first (a negative balance adds to what is owed), then from
// savings, then with a new loan within the credit limit. Human companies are told what came
// out of savings and what was borrowed. False when the rest could not be borrowed; what was
// already taken from cash and savings stays spent.
bool payRunningCost(const World& world, Int company, Int amount, PaymentPurpose purpose);

// The same for a total summed in 64 bits. A total beyond 32 bits is more than any company can
// hold or borrow: it is not affordable, and nothing is taken for it.
bool payRunningTotal(const World& world, Int company, int64_t total, PaymentPurpose purpose);

}  // namespace quorvex

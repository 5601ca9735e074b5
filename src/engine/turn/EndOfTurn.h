#pragma once

#include "../state/Int.h"

namespace quorvex {

class World;

// The end of the turn of the company now playing (CurrentPlayer): the ship arrives, burns fuel
// or is towed, pays the landing charge, interest and wages accrue, chance strikes, the crew may
// revolt and the credit limit is enforced. Every step runs even when an earlier one has put the
// company out; only the credit check passes over a company that is out.
void Plyrfinish(const World& world);

// The flight's fuel; an empty tank costs a tow.
void fueluse(const World& world);
// The landing charge of the planet just reached.
void PayLandcost(const World& world);
// Loan interest, then savings interest, each to the nearest pound.
void chargeInterest(const World& world);
// A crew unpaid for 7 to 15 turns is angry and may revolt, demanding double what it is owed.
void CrewRevoltCheck(const World& world);
// A loan above the credit limit is paid down from cash, then savings; failing that, bankruptcy.
void Bankcruptcycheck(const World& world);
// Announced to everybody, whoever goes bankrupt; the company is out of the game.
void Bankrupt(const World& world);

}  // namespace quorvex

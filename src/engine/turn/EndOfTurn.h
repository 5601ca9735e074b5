#pragma once

#include "../state/Int.h"

namespace quorvex {

class Game;

// The end of the turn of the company now playing (CurrentPlayer): the ship arrives, burns fuel
// or is towed, pays the landing charge, interest and wages accrue, chance strikes, the crew may
// revolt and the credit limit is enforced. Every step runs even when an earlier one has put the
// company out; only the credit check passes over a company that is out.
void Plyrfinish(Game& game);

// The flight's fuel; an empty tank costs a tow.
void fueluse(Game& game);
// The landing charge of the planet just reached.
void PayLandcost(Game& game);
// Loan interest, then savings interest, each to the nearest pound.
void chargeInterest(Game& game);
// A crew unpaid for 7 to 15 turns is angry and may revolt, demanding double what it is owed.
void CrewRevoltCheck(Game& game);
// A loan above the credit limit is paid down from cash, then savings; failing that, bankruptcy.
void Bankcruptcycheck(Game& game);
// Announced to everybody, whoever goes bankrupt; the company is out of the game.
void Bankrupt(Game& game);

}  // namespace quorvex

#pragma once

namespace quorvex {

class World;

// Every planet's prices for fuel, hull space, warehouses and factory units, drawn anew each turn:
// the eight values of planet A first, then those of B, and so on.
void drawServicePrices(const World& world);

}  // namespace quorvex

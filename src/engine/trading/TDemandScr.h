#pragma once

#include <array>

#include "../form/Screen.h"

namespace quorvex {

// Each planet's rank for a good, 1 for the planet that wants it most: by demand less amount
// (the planets' own figures), most first; equal keys keep planet order. Index 1 to 12.
using PlanetRanks = std::array<int, kPlanets + 1>;
PlanetRanks planetRanks(const GameState& s, Int good);

// Where the goods are wanted: for every good, each planet's rank with its amount and demand,
// for the goods aboard, the retail goods and the industrial goods; all planets, the best six or
// the worst six.
class TDemandScr final : public Screen {
public:
    explicit TDemandScr(Game& game);

    Label CashL{*this, "CashL"};
    Label PlntNamel{*this, "PlntNamel"};
    Label FreeSpaceL{*this, "FreeSpaceL"};
    PageControl Industrial{*this,
                           "Industrial",
                           {"Ship Cargo Demand", "Retail Demand", "Industrial Demand"},
                           kDoesNothing};
    // Column 0 names the goods, columns 1 to 12 are the planets.
    StringGrid ship{*this, "ship", 13, kGoods + 1, 1, 1};
    StringGrid Retail{*this, "Retail", 13, 14, 1, 1};
    StringGrid Industrail{*this, "Industrail", 13, 13, 1, 1};
    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};
    Button Button2{*this, "Button2", "Help", [this] { Button2Click(); }};
    Button Button3{*this, "Button3", "Market", [this] { Button3Click(); }};
    Button Button4{*this, "Button4", "Ship Cargo", [this] { Button4Click(); }};
    // Its caption names the planets the next press shows.
    Button Button5{*this, "Button5", "Show Best", [this] { Button5Click(); }};

    void FormShow() override;
    void DemandUpdate();
    void Button1Click();  // Continue
    void Button2Click();  // Help
    void Button3Click();  // Market
    void Button4Click();  // Ship Cargo
    void Button5Click();  // Show Best / Show Worst / Show All

private:
    enum Mode { kAll = 1, kBest = 2, kWorst = 3 };
    // Fills the labels and grids for a mode; the mode itself is written only once they are full.
    void fill(Mode mode);
    void fillRow(StringGrid& grid, int row, Int good, Mode mode);
    static bool shows(Mode mode, int rank);

    Mode mode_ = kAll;
};

}  // namespace quorvex

#pragma once

#include <array>

#include "../form/Screen.h"

namespace quorvex {

// Warehouses: the goods stored on one planet at a time, buying and selling warehouse space on
// the ship's planet, and selling stored goods from the planet shown, wherever the ship is.
class TWarescr final : public Screen {
public:
    explicit TWarescr(Game& game);

    Label CashL{*this, "CashL"};
    Label PlntNamel{*this, "PlntNamel"};
    Label PlanetL{*this, "PlanetL"};
    Label WareSpaceL{*this, "WareSpaceL"};
    Label WareFreeSpaceL{*this, "WareFreeSpaceL"};
    Button Button5{*this, "Button5", "Continue", [this] { Button5Click(); }, ButtonRole::WayBack};
    Button Button1{*this, "Button1", "Help", [this] { Button1Click(); }};
    Button sellbutton{*this, "sellbutton", "Sell Goods", [this] { sellbuttonClick(); }};
    Button Next{*this, "Next", "Next", [this] { NextClick(); }};
    Button Last{*this, "Last", "Previous", [this] { LastClick(); }};
    PageControl PageControl1{
        *this, "PageControl1", {"WareHouses", "Buy/Sell Warehouse Space"}, [this] {
            PageControl1Change();
        }};
    // "WareHouses" tab
    StringGrid WareHouse{*this, "WareHouse", 10, 27, 2, 1};
    // "Buy/Sell Warehouse Space" tab, always about the ship's planet
    Label WareSpaceL2{*this, "WareSpaceL2"};
    Label WareFreeSpaceL2{*this, "WareFreeSpaceL2"};
    Label WareCost{*this, "WareCost"};
    Label AvailableL{*this, "AvailableL"};
    Label Label1{*this, "Label1", "Buy:"};
    Edit BuyAmount{*this, "BuyAmount"};
    Button Buy{*this, "Buy", "Buy", [this] { BuyClick(); }};
    Button Sell{*this, "Sell", "Sell", [this] { SellClick(); }};

    void FormShow() override;
    void WareUpdate();
    void NextClick();
    void LastClick();
    void PageControl1Change();
    void BuyClick();
    void SellClick();
    void sellbuttonClick();
    void Button1Click();  // Help
    void Button5Click();  // Continue

    // The planet whose warehouse the grid shows.
    Int shownPlanet() const { return shown_; }

private:
    static constexpr int kFirstGoodRow = 2;  // rows 0 and 1 hold the two-line headings
    void fillHeadings();
    void fillGoods();
    // The planet after (step 1) or before (step -1) the one shown that holds warehouse space,
    // going round past the last planet; the one shown when none does.
    Int stepToWarehouse(int step) const;

    Int shown_ = 1;
    // The good each grid row shows (0 for an empty row), so a row chosen means a good.
    std::array<Int, 27> rowGood_{};
};

}  // namespace quorvex

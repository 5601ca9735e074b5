#pragma once

#include "../form/Screen.h"

namespace quorvex {

// Mines: the company's mines of one raw good on the ship's planet and the mines offered there;
// buying and selling them and setting how much each one digs a turn.
class TProduction final : public Screen {
public:
    explicit TProduction(Game& game);

    Label CashL{*this, "CashL"};
    Label GoodL{*this, "GoodL"};
    Label TATPrd{*this, "TATPrd"};
    Label PlanetL{*this, "PlanetL"};
    Label YouronL{*this, "YouronL"};
    Label Costl{*this, "Costl"};
    Label WeightL{*this, "WeightL"};
    ListBox GoodList{*this, "GoodList", {}, [this] { GoodListClick(); }};
    ListBox PLanetList{*this, "PLanetList", {}, [this] { PLanetListClick(); }};
    // Owned mines: a heading row, the five slots and their totals.
    StringGrid Plyrmines{*this, "Plyrmines", 9, 7, 1, 0};
    // Mines for sale: a heading row and the five offers.
    StringGrid PlntMines{*this, "PlntMines", 5, 6, 1, 0};
    Button Buy{*this, "Buy", "Buy", [this] { BuyClick(); }};
    Button Sell{*this, "Sell", "Sell", [this] { SellClick(); }};
    Button Prd{*this, "Prd", "Set Production", [this] { PrdClick(); }};
    Button Button2{*this, "Button2", "Help", [this] { Button2Click(); }};
    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void PrdUpdate();
    void GoodListClick();
    void PLanetListClick();
    void PlntMinesClick();
    void PlyrminesClick();
    void BuyClick();
    void SellClick();
    void PrdClick();
    void Button2Click();  // Help
    void Button1Click();  // Continue

private:
    // Fills the screen for a chosen planet and good, and only then takes them as chosen, so a
    // refresh that stops half-way leaves the earlier choice in force.
    void showChoice(Int planet, Int good);
    void showOwnedMines(Int planet, Int good);
    void showOffers(Int planet, Int good);
    // The owned-mines row chosen when it holds a mine; 0 after telling the person why not.
    int chosenMine(const char* notSelected);

    Int planet_ = 1;  // chosen in the planet list: names the planet, and decides Buy and Sell
    Int good_ = 1;    // the raw good both grids show
};

}  // namespace quorvex

#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The market of the planet the ship is on: every good's amount and demand, the company's stock
// of it in the warehouse and the hold, and its prices. The door to buying and selling: a good's
// row is picked, its pop-up menu opens, and the buy or sell screen opens beside the market.
class TMarketScr final : public Screen {
public:
    explicit TMarketScr(Game& game);

    Label CashL{*this, "CashL"};
    Label CargoSPcL{*this, "CargoSPcL"};
    Label FreeSpaceL{*this, "FreeSpaceL"};
    PageControl PageControl1{
        *this, "PageControl1", {"Retail Goods", "Industrial Goods"}, kDoesNothing};
    // Column 0 names the goods; the heading rows can never be picked.
    StringGrid RtlGoods{*this, "RtlGoods", 7, 14, 1, 1};
    StringGrid IndGoods{*this, "IndGoods", 9, 14, 2, 1};
    PopupMenu PopMenu{*this,
                      "PopMenu",
                      {{"Buy1", "Buy", [this] { Buy1Click(); }},
                       {"N1", "", {}},
                       {"Sell1", "Sell", [this] { Sell1Click(); }}}};
    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};
    Button Button2{*this, "Button2", "Help", [this] { Button2Click(); }};
    Button Button3{*this, "Button3", "Demand", [this] { Button3Click(); }};
    Button Button4{*this, "Button4", "Ship Cargo", [this] { Button4Click(); }};

    void FormShow() override;
    // Rebuilds the labels and both grids from the store; the buy and sell screens call it as
    // they close.
    void MarketUpdate();
    void RtlGoodsMouseDown();
    void IndGoodsMouseDown();
    void Buy1Click();
    void Sell1Click();
    void Button1Click();  // Continue
    void Button2Click();  // Help
    void Button3Click();  // Demand
    void Button4Click();  // Ship Cargo

private:
    void fillRetail();
    void fillIndustrial();
    // Records the good of the grid's chosen row for the buy and sell screens and opens the menu.
    void pickGood(const StringGrid& grid, int rowToGood, bool retail);
    // Leaving the market closes the buy and sell screens beside it.
    void leaveFor(ScreenId next);
};

}  // namespace quorvex

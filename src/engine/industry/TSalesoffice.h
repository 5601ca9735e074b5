#pragma once

#include <array>

#include "../economy/SalesOffice.h"
#include "../form/Screen.h"
#include "WideFigures.h"

namespace quorvex {

// The sales office: next turn's buying and selling on one planet, good by good, and the
// standing adjustments that steer it.
class TSalesoffice final : public Screen {
public:
    explicit TSalesoffice(Game& game);

    Label PLanetL{*this, "PLanetL"};
    Label YourOnL{*this, "YourOnL"};
    Label WareFreeSpaceL{*this, "WareFreeSpaceL"};
    Label Label1{*this, "Label1", "Buy:"};
    Label Label2{*this, "Label2", "Sell:"};
    ListBox PLanetList{*this, "PLanetList", {}, [this] { PLanetListClick(); }};
    StringGrid Sales{*this, "Sales", 14, 28, 2, 1};
    Button BuyIncrease{*this, "BuyIncrease", "Increase by", [this] { BuyIncreaseClick(); }};
    Button BuyDecrease{*this, "BuyDecrease", "Decrease by", [this] { BuyDecreaseClick(); }};
    Button SellIncrease{*this, "SellIncrease", "Increase by", [this] { SellIncreaseClick(); }};
    Button SellDecrease{*this, "SellDecrease", "Decrease by", [this] { SellDecreaseClick(); }};
    Button Button2{*this, "Button2", "Help", kDoesNothing};
    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void PLanetListClick();
    void SalesUpdate();
    void CalculateBuyandSell();
    void BuyIncreaseClick();
    void BuyDecreaseClick();
    void SellIncreaseClick();
    void SellDecreaseClick();
    // Tries a change of one adjustment of the chosen good; a change the office could not carry
    // out is refused with every reason, and both adjustments stay as they were.
    void MessageBuySell();
    void Button1Click();  // Continue

private:
    // One good's projection on the chosen planet.
    struct GoodFigures {
        int64_t stock = 0;
        Int produced = 0;  // mined or made here this turn
        Wide need = 0;     // what the factories here consume this turn
        SalesBuyStep buying;
        SalesSellStep selling;
        Int buy = 0, sell = 0;  // as the store keeps them
    };
    GoodFigures project(Int good, Wide buyAdjust, Wide sellAdjust, const GoodWeights& weights);
    // The grid's totals row: the income of all sales, the weight left and the profit or loss.
    struct Totals {
        Wide income = 0, weight = 0, profit = 0;
    };
    void fillHeadings();
    void fillGoodRow(Int good, const GoodFigures& f, Totals& totals);
    int64_t freeTons() const;
    void askChange(bool forBuying, bool increase);

    Int planet_ = 1;  // the planet chosen on the screen
    // The change being tried: which adjustment, by how much, of which good.
    Int good_ = 0;
    bool forBuying_ = true;
    Wide change_ = 0;
    std::array<GoodFigures, kGoods + 1> figures_{};
};

}  // namespace quorvex

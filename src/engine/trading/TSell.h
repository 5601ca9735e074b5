#pragma once

#include <optional>

#include "../form/Screen.h"
#include "TradeQuote.h"

namespace quorvex {

// Selling the good picked on the market, from the hold or from the warehouse on the ship's
// planet. It opens beside the market screen; like the buy screen it quotes first, and the sale
// makes the whole quote again before anything moves.
class TSell final : public Screen {
public:
    explicit TSell(Game& game);

    Label Product{*this, "Product"};
    Label CashL{*this, "CashL"};
    Label Label1{*this, "Label1", "Sell:"};
    Label Income{*this, "Income"};
    Label MarketL{*this, "MarketL"};
    Label Available{*this, "Available", "Amount:"};
    Label DemandL{*this, "DemandL", "Demand:"};
    RadioGroup SellPrice{*this, "SellPrice", "Sell Price", {}, [this] { SellPriceClick(); }};
    RadioGroup SellFrom{*this, "SellFrom", "Sell From", {}, kReadByOthers};
    Edit SellL{*this, "SellL"};
    Button Button1{*this, "Button1", "Calculate Cost", [this] { Button1Click(); }};
    Button Button2{*this, "Button2", "Sell", [this] { Button2Click(); }};
    Button Button3{*this, "Button3", "Help", [this] { Button3Click(); }};
    Button Button4{*this, "Button4", "Exit", [this] { Button4Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void SellUpdate();
    void SellPriceClick();
    void Button1Click();  // Calculate Cost
    void Button2Click();  // Sell
    void Button3Click();  // Help
    void Button4Click();  // Exit

    // The good this showing trades.
    const TradePick& pick() const { return pick_; }

private:
    // Reads the amount, prices and checks it; every failed check shows its message. The income
    // goes into its label when all checks pass.
    std::optional<Quote> quote();

    TradePick pick_;
};

}  // namespace quorvex

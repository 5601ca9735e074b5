#pragma once

#include <optional>

#include "../form/Screen.h"
#include "TradeQuote.h"

namespace quorvex {

// Buying the good picked on the market, into the hold or into the warehouse on the ship's planet.
// It opens beside the market screen; a quote ("Calculate Cost") comes first, and the purchase
// makes the whole quote again before anything moves.
class TBuy final : public Screen {
public:
    explicit TBuy(Game& game);

    Label Product{*this, "Product"};
    Label CashL{*this, "CashL"};
    Label Available{*this, "Available"};
    Label Weights{*this, "Weights"};
    Label Label1{*this, "Label1", "Buy:"};
    Label CostL{*this, "CostL"};
    Label MarketL{*this, "MarketL"};
    Label WeightL{*this, "WeightL"};
    RadioGroup Prices{*this, "Prices", "Price", {}, [this] { PricesClick(); }};
    RadioGroup Storein{*this, "Storein", "Store In", {}, kReadByOthers};
    Edit Buybox{*this, "Buybox"};
    Button Button1{*this, "Button1", "Calculate Cost", [this] { Button1Click(); }};
    Button Button2{*this, "Button2", "Buy", [this] { Button2Click(); }};
    Button Button3{*this, "Button3", "Help", [this] { Button3Click(); }};
    Button Button4{*this, "Button4", "Exit", [this] { Button4Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void BuyUpdate();
    void PricesClick();
    void Button1Click();  // Calculate Cost
    void Button2Click();  // Buy
    void Button3Click();  // Help
    void Button4Click();  // Exit

    // The good this showing trades.
    const TradePick& pick() const { return pick_; }

private:
    // Reads the amount, prices and checks it; every failed check shows its message. The quote's
    // figures go into the labels when all checks pass.
    std::optional<Quote> quote();

    TradePick pick_;
};

}  // namespace quorvex

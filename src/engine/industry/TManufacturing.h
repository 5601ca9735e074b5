#pragma once

#include "../form/Screen.h"
#include "WideFigures.h"

namespace quorvex {

// Factories: production levels on any planet, factory units bought and sold on the ship's
// planet, and what the levels cost and weigh.
class TManufacturing final : public Screen {
public:
    explicit TManufacturing(Game& game);

    Label CashL{*this, "CashL"};
    Label YourOnL{*this, "YourOnL"};
    Label PLanetL{*this, "PLanetL"};
    Label FactUnitsLb{*this, "FactUnitsLb"};
    Label FreFactUnitLb{*this, "FreFactUnitLb"};
    ListBox PLanetList{*this, "PLanetList", {}, [this] { PLanetListClick(); }};

    PageControl PageControl1{*this,
                             "PageControl1",
                             {"Factory Production", "Buy/Sell Factory Units", "Manufacturing Info"},
                             [this] { PageControl1Change(); }};
    // "Factory Production"
    StringGrid Factory{*this, "Factory", 22, 20, 2, 1};
    // "Buy/Sell Factory Units"
    Label FactUnitsL{*this, "FactUnitsL"};
    Label FreFactUnitL{*this, "FreFactUnitL"};
    Label FactCost{*this, "FactCost"};
    Label AvailableL{*this, "AvailableL"};
    Label Label1{*this, "Label1", "Buy:"};
    Edit BuyAmount{*this, "BuyAmount"};
    Button Buy{*this, "Buy", "Buy", [this] { BuyClick(); }};
    Button Sell{*this, "Sell", "Sell", [this] { SellClick(); }};
    // "Manufacturing Info"
    Label FactUnitsLc{*this, "FactUnitsLc"};
    Label FreFactUnitLc{*this, "FreFactUnitLc"};
    Label TotalManCostL{*this, "TotalManCostL"};
    Label TotalinputCostL{*this, "TotalinputCostL"};
    Label TotalOverCostL{*this, "TotalOverCostL"};
    Label TotalOutWeightL{*this, "TotalOutWeightL"};
    Label TotalInWeightL{*this, "TotalInWeightL"};

    Button UpBy{*this, "UpBy", "Increase by", [this] { UpByClick(); }};
    Button Setit{*this, "Setit", "Set ", [this] { SetitClick(); }};
    Button DownBy{*this, "DownBy", "Decrease by", [this] { DownByClick(); }};
    Button Button2{*this, "Button2", "Help", [this] { Button2Click(); }};
    Button Button1{*this, "Button1", "Continue", [this] { Button1Click(); }, ButtonRole::WayBack};

    void FormShow() override;
    void ManUpdate();
    void PLanetListClick();
    void PageControl1Change();
    void BuyClick();
    void SellClick();
    void SetitClick();
    void UpByClick();
    void DownByClick();
    void Button2Click();  // Help
    void Button1Click();  // Continue

private:
    // How a typed level changes the chosen product's level.
    enum class LevelChange { Set, Raise, Lower };
    void changeLevel(LevelChange how);

    // The five running totals of the production grid.
    struct Totals {
        Wide manufacturing = 0, overall = 0, inputs = 0, outputWeight = 0, inputWeight = 0;
    };
    void fillLabels();
    void fillHeadings();
    void fillProduct(Int r, Totals& totals);
    void fillTotals(const Totals& totals);
    // Units owned and not in use on the chosen planet.
    int64_t freeUnits() const;

    Int planet_ = 1;  // the planet chosen on the screen
};

}  // namespace quorvex

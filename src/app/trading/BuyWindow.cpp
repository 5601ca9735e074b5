#include "BuyWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/RadioGroupBox.h"
#include "kit/WindowKit.h"
#include "trading/TradeWindowLayout.h"

namespace quorvex::ui {

BuyWindow::BuyWindow(QWidget* parent) : GameWindow(ScreenId::Buy, parent) {
    resize(560, 480);  // a small window beside the market
    placeBeside(ScreenId::MarketScr);
    content()->addWidget(makeGoodPanel({"Available", "Weights"}));

    auto* lists = new QHBoxLayout;
    lists->addWidget(makeRadioGroup("Prices"), 1);
    lists->addWidget(makeRadioGroup("Storein"), 1);
    content()->addLayout(lists);

    content()->addWidget(makeAmountPanel("Label1", "Buybox", {"CostL", "WeightL"}));
    content()->addStretch(1);
    // Help, Calculate Cost, Buy, Exit. Enter quotes the amount typed; only the Buy button trades.
    addAll(buttonRow(), {makeButton("Button3"), makeMainAction("Button1"), makeButton("Button2"),
                         makeButton("Button4")});
}

}  // namespace quorvex::ui

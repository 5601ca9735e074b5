#include "SellWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/RadioGroupBox.h"
#include "kit/WindowKit.h"
#include "trading/TradeWindowLayout.h"

namespace quorvex::ui {

SellWindow::SellWindow(QWidget* parent) : GameWindow(ScreenId::Sell, parent) {
    resize(560, 480);  // a small window beside the market
    placeBeside(ScreenId::MarketScr);
    content()->addWidget(makeGoodPanel({"Available", "DemandL"}));

    auto* lists = new QHBoxLayout;
    lists->addWidget(makeRadioGroup("SellPrice"), 1);
    lists->addWidget(makeRadioGroup("SellFrom"), 1);
    content()->addLayout(lists);

    content()->addWidget(makeAmountPanel("Label1", "SellL", {"Income"}));
    content()->addStretch(1);
    // Help, Calculate Cost, Sell, Exit. Enter quotes the amount typed; only the Sell button trades.
    addAll(buttonRow(), {makeButton("Button3"), makeMainAction("Button1"), makeButton("Button2"),
                         makeButton("Button4")});
}

}  // namespace quorvex::ui

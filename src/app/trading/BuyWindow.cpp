#include "BuyWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

BuyWindow::BuyWindow(QWidget* parent) : GameWindow(ScreenId::Buy, parent) {
    resize(520, 460);  // a small window beside the market
    placeBeside(ScreenId::MarketScr);
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button4")});  // Exit
}

}  // namespace quorvex::ui

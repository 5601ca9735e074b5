#include "MarketScrWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

MarketScrWindow::MarketScrWindow(QWidget* parent) : GameWindow(ScreenId::MarketScr, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button1")});  // Continue
}

}  // namespace quorvex::ui

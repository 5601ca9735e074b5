#include "MarketScrWindow.h"

#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "TradingLayout.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

MarketScrWindow::MarketScrWindow(QWidget* parent) : GameWindow(ScreenId::MarketScr, parent) {
    setBackground(kHubBackground);
    content()->addWidget(makeFigureRow({"CashL", "CargoSPcL", "FreeSpaceL"}));
    content()->addWidget(makeGridPages("PageControl1", {"RtlGoods", "IndGoods"}), 1);
    makePopupMenu(this, "PopMenu");  // opened by a press on a good's row
    // Help, Demand, Ship Cargo, Continue
    addAll(buttonRow(), {makeButton("Button2"), makeButton("Button3"), makeButton("Button4"),
                         makeButton("Button1")});
}

}  // namespace quorvex::ui

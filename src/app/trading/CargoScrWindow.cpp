#include "CargoScrWindow.h"

#include <QHBoxLayout>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "TradingLayout.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

CargoScrWindow::CargoScrWindow(QWidget* parent) : GameWindow(ScreenId::CargoScr, parent) {
    setBackground(kHubBackground);
    content()->addWidget(makeFigureRow({"CashL", "CargoSPcL", "FreeSpaceL"}));
    content()->addWidget(makeGrid("Cargo"), 1, Qt::AlignLeft | Qt::AlignTop);
    // Help, Demand, Market, Continue
    addAll(buttonRow(), {makeButton("Button2"), makeButton("Button3"), makeButton("Button4"),
                         makeButton("Button1")});
}

}  // namespace quorvex::ui

#include "DemandScrWindow.h"

#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "TradingLayout.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

DemandScrWindow::DemandScrWindow(QWidget* parent) : GameWindow(ScreenId::DemandScr, parent) {
    setBackground(kHubBackground);
    content()->addWidget(makeFigureRow({"CashL", "PlntNamel", "FreeSpaceL"}));
    // Twelve planets side by side: a smaller font keeps them all in view.
    content()->addWidget(makeGridPages("Industrial", {"ship", "Retail", "Industrail"}, 7), 1);
    // Help, Show Best, Market, Ship Cargo, Continue
    addAll(buttonRow(), {makeButton("Button2"), makeButton("Button5"), makeButton("Button3"),
                         makeButton("Button4"), makeButton("Button1")});
}

}  // namespace quorvex::ui

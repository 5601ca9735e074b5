#include "SalesofficeWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "IndustryWidgets.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

SalesofficeWindow::SalesofficeWindow(QWidget* parent) : GameWindow(ScreenId::Salesoffice, parent) {
    setBackground(kHubBackground);

    auto* figures = new QHBoxLayout;
    figures->setSpacing(40);
    for (const char* name : {"PLanetL", "YourOnL", "WareFreeSpaceL"}) {
        QLabel* label = makeLabel(name);
        setFontSize(label, 12, true);
        figures->addWidget(label);
    }
    figures->addStretch(1);
    figures->addWidget(makePlanetStrip("PLanetList"));
    content()->addLayout(figures);
    // The 25 goods and their totals fit the window's height; the spare room goes below them.
    content()->addWidget(makeCompactGrid("Sales"));
    content()->addStretch(1);

    // Help; Buy: Increase by, Decrease by; Sell: Increase by, Decrease by; Continue
    QLabel* buy = makeLabel("Label1");
    QLabel* sell = makeLabel("Label2");
    setFontSize(buy, 11, true);
    setFontSize(sell, 11, true);
    addAll(buttonRow(),
           {makeButton("Button2"), buy, makeButton("BuyIncrease"), makeButton("BuyDecrease"), sell,
            makeButton("SellIncrease"), makeButton("SellDecrease"), makeButton("Button1")});
}

}  // namespace quorvex::ui

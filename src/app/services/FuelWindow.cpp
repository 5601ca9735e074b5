#include "FuelWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

FuelWindow::FuelWindow(QWidget* parent) : GameWindow(ScreenId::Fuel, parent) {
    setBackground(kHubBackground);
    Panel* tank = makePanel(QStringLiteral("Fuel tank"));
    QProgressBar* gauge = makeProgressBar("FuelBar");
    gauge->setMinimumHeight(28);
    panelLayout(tank)->addWidget(gauge);
    panelLayout(tank)->addSpacing(8);
    for (const char* figure : {"PriceL", "FuelL", "CashL", "SpaceL", "CapacityL", "EfficiencyL"}) {
        QLabel* label = makeLabel(figure);
        setFontSize(label, 12);
        panelLayout(tank)->addWidget(label);
    }
    panelLayout(tank)->addSpacing(10);
    panelLayout(tank)->addLayout(makeButtonGrid({"Button2", "Button1"}));  // Buy, Sell Fuel

    auto* row = new QHBoxLayout;
    row->addWidget(tank, 2);
    row->addStretch(3);
    content()->addLayout(row);
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button4"), makeButton("Button3")});  // HELP!!!, Continue
}

}  // namespace quorvex::ui

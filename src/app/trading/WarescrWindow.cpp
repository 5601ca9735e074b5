#include "WarescrWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {
namespace {

// The planet shown, with the buttons that step through the planets holding warehouse space.
Panel* makeShownPlanet() {
    Panel* panel = makePanel();
    auto* top = new QHBoxLayout;
    for (const char* name : {"CashL", "PlntNamel"}) {
        QLabel* label = makeLabel(name);
        setFontSize(label, 12, true);
        top->addWidget(label);
        top->addSpacing(40);
    }
    top->addStretch(1);
    panelLayout(panel)->addLayout(top);

    auto* shown = new QHBoxLayout;
    shown->addWidget(makeButton("Last"));  // Previous
    QLabel* planet = makeLabel("PlanetL");
    setFontSize(planet, 12, true);
    shown->addSpacing(12);
    shown->addWidget(planet);
    shown->addSpacing(12);
    shown->addWidget(makeButton("Next"));
    shown->addSpacing(40);
    shown->addWidget(makeLabel("WareSpaceL"));
    shown->addSpacing(30);
    shown->addWidget(makeLabel("WareFreeSpaceL"));
    shown->addStretch(1);
    panelLayout(panel)->addLayout(shown);
    return panel;
}

// Buying and selling space on the ship's planet.
void fillSpacePage(QVBoxLayout* page) {
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(40);
    figures->addWidget(makeLabel("WareSpaceL2"), 0, 0);
    figures->addWidget(makeLabel("WareFreeSpaceL2"), 0, 1);
    figures->addWidget(makeLabel("WareCost"), 1, 0);
    figures->addWidget(makeLabel("AvailableL"), 1, 1);
    figures->setColumnStretch(2, 1);
    page->addLayout(figures);
    page->addSpacing(16);

    auto* trade = new QHBoxLayout;
    QLabel* caption = makeLabel("Label1");
    QLineEdit* amount = makeEdit("BuyAmount");
    amount->setMaximumWidth(160);
    caption->setBuddy(amount);
    addAll(trade, {caption, amount, makeButton("Buy"), makeButton("Sell")});
    trade->addStretch(1);
    page->addLayout(trade);
    page->addStretch(1);
}

}  // namespace

WarescrWindow::WarescrWindow(QWidget* parent) : GameWindow(ScreenId::Warescr, parent) {
    setBackground(kHubBackground);
    content()->addWidget(makeShownPlanet());

    QTabWidget* pages = makePages("PageControl1");
    QVBoxLayout* goods = addPage(pages);  // WareHouses
    goods->addWidget(makeGrid("WareHouse"), 0, Qt::AlignLeft | Qt::AlignTop);
    goods->addStretch(1);
    fillSpacePage(addPage(pages));  // Buy/Sell Warehouse Space
    content()->addWidget(pages, 1);

    // Help, Sell Goods, Continue
    addAll(buttonRow(), {makeButton("Button1"), makeButton("sellbutton"), makeButton("Button5")});
}

}  // namespace quorvex::ui

#include "ProductionWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "IndustryLayout.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

ProductionWindow::ProductionWindow(QWidget* parent) : GameWindow(ScreenId::Production, parent) {
    setBackground(kHubBackground);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;

    // The company, the good and the planet chosen.
    Panel* figures = makePanel();
    auto* figureGrid = new QGridLayout;
    figureGrid->setHorizontalSpacing(40);
    figureGrid->addWidget(makeFigure("CashL"), 0, 0);
    figureGrid->addWidget(makeFigure("YouronL"), 1, 0);
    figureGrid->addWidget(makeFigure("GoodL"), 0, 1);
    figureGrid->addWidget(makeFigure("PlanetL"), 1, 1);
    figureGrid->setColumnStretch(2, 1);
    panelLayout(figures)->addLayout(figureGrid);
    left->addWidget(figures);

    // The company's mines, with what they dig and cost a turn.
    Panel* owned = makePanel(QStringLiteral("Your mines here"));
    panelLayout(owned)->addWidget(makeGrid("Plyrmines"), 0, Qt::AlignLeft);
    auto* output = new QHBoxLayout;
    output->setSpacing(40);
    addAll(output, {makeFigure("TATPrd"), makeFigure("WeightL"), makeFigure("Costl")});
    output->addStretch(1);
    panelLayout(owned)->addLayout(output);
    left->addWidget(owned, 0, Qt::AlignLeft);

    // The mines offered here.
    Panel* offered = makePanel(QStringLiteral("Mines for sale"));
    panelLayout(offered)->addWidget(makeGrid("PlntMines"), 0, Qt::AlignLeft);
    left->addWidget(offered, 0, Qt::AlignLeft);
    left->addStretch(1);
    columns->addLayout(left, 1);

    // The lists to choose from, down the side.
    auto* side = new QVBoxLayout;
    side->addWidget(makeFullList("GoodList", kRawGoodEntries, 120));
    side->addSpacing(12);
    side->addWidget(makeFullList("PLanetList", kPlanetEntries, 120));
    side->addStretch(1);
    columns->addLayout(side);
    content()->addLayout(columns, 1);

    // Help, Buy, Sell, Set Production, Continue
    addAll(buttonRow(), {makeButton("Button2"), makeButton("Buy"), makeButton("Sell"),
                         makeButton("Prd"), makeButton("Button1")});
}

}  // namespace quorvex::ui

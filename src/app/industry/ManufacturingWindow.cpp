#include "ManufacturingWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "IndustryWidgets.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {
namespace {

// Labels one under another, in the order given.
QVBoxLayout* labelColumn(std::initializer_list<const char*> names) {
    auto* column = new QVBoxLayout;
    for (const char* name : names)
        column->addWidget(makeLabel(name));
    return column;
}

}  // namespace

ManufacturingWindow::ManufacturingWindow(QWidget* parent)
    : GameWindow(ScreenId::Manufacturing, parent) {
    setBackground(kHubBackground);

    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(40);
    const char* top[] = {"CashL", "YourOnL", "PLanetL", "FactUnitsLb", "FreFactUnitLb"};
    for (int i = 0; i < 5; ++i) {
        QLabel* label = makeLabel(top[i]);
        setFontSize(label, 12, true);
        figures->addWidget(label, i / 3, i % 3);
    }
    figures->setColumnStretch(3, 1);
    figures->addWidget(makePlanetStrip("PLanetList"), 1, 4, Qt::AlignRight);
    content()->addLayout(figures);

    QTabWidget* pages = makePages("PageControl1");
    QVBoxLayout* production = addPage(pages);
    production->addWidget(makeCompactGrid("Factory"));
    production->addStretch(1);

    QVBoxLayout* units = addPage(pages);
    units->addLayout(labelColumn({"FactUnitsL", "FreFactUnitL", "FactCost", "AvailableL"}));
    auto* buying = new QHBoxLayout;
    QLineEdit* amount = makeEdit("BuyAmount");
    amount->setFixedWidth(140);
    QLabel* buyCaption = makeLabel("Label1");
    buyCaption->setBuddy(amount);  // a screen reader names the box by its caption
    addAll(buying, {buyCaption, amount, makeButton("Buy"), makeButton("Sell")});
    buying->addStretch(1);
    units->addLayout(buying);
    units->addStretch(1);

    QVBoxLayout* info = addPage(pages);
    info->addLayout(labelColumn({"FactUnitsLc", "FreFactUnitLc", "TotalManCostL", "TotalinputCostL",
                                 "TotalOverCostL", "TotalOutWeightL", "TotalInWeightL"}));
    info->addStretch(1);
    content()->addWidget(pages, 1);

    // Help, Set, Increase by, Decrease by, Continue
    addAll(buttonRow(), {makeButton("Button2"), makeButton("Setit"), makeButton("UpBy"),
                         makeButton("DownBy"), makeButton("Button1")});
}

}  // namespace quorvex::ui

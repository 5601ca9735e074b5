#include "TradeWindowLayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quorvex::ui {

Panel* makeGoodPanel(std::initializer_list<const char*> figures) {
    Panel* panel = makePanel();
    auto* top = new QHBoxLayout;
    QLabel* product = makeLabel("Product");
    setFontSize(product, 16, true);
    top->addWidget(product);
    top->addSpacing(16);
    top->addWidget(makeLabel("MarketL"));
    top->addStretch(1);
    QLabel* cash = makeLabel("CashL");
    setFontSize(cash, 12, true);
    top->addWidget(cash);
    panelLayout(panel)->addLayout(top);

    auto* row = new QHBoxLayout;
    for (const char* name : figures) {
        row->addWidget(makeLabel(name));
        row->addSpacing(30);
    }
    row->addStretch(1);
    panelLayout(panel)->addLayout(row);
    return panel;
}

Panel* makeAmountPanel(const char* caption, const char* edit,
                       std::initializer_list<const char*> quote) {
    Panel* panel = makePanel();
    auto* amount = new QHBoxLayout;
    QLabel* label = makeLabel(caption);
    QLineEdit* box = makeEdit(edit);
    box->setMaximumWidth(160);
    label->setBuddy(box);  // a screen reader names the box by its caption
    amount->addWidget(label);
    amount->addWidget(box);
    amount->addStretch(1);
    panelLayout(panel)->addLayout(amount);

    auto* figures = new QHBoxLayout;
    for (const char* name : quote) {
        QLabel* figure = makeLabel(name);
        setFontSize(figure, 12, true);
        figures->addWidget(figure);
        figures->addSpacing(30);
    }
    figures->addStretch(1);
    panelLayout(panel)->addLayout(figures);
    return panel;
}

}  // namespace quorvex::ui

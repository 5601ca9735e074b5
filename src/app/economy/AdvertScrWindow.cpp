#include "AdvertScrWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QString>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "kit/RadioGroupBox.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {
namespace {

// The controls of one page, by name; the passenger page has a planet choice where the others
// have a type and twelve planet ticks.
struct PageNames {
    const char* explanation;
    const char* method;
    const char* cost;
    const char* planet;  // the passenger page's choice of one planet
    const char* type;
    const char* ticks;  // the prefix of the twelve tick boxes
};

// The twelve tick boxes of a page, three rows of four, in a panel of their own.
Panel* planetTicks(const char* prefix) {
    Panel* panel = makePanel(QStringLiteral("Planet"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    for (int t = 1; t <= 12; ++t) {
        const QByteArray name = QByteArray(prefix) + QByteArray::number(t);
        grid->addWidget(makeCheckBox(name.constData()), (t - 1) / 4, (t - 1) % 4);
    }
    panelLayout(panel)->addLayout(grid);
    panelLayout(panel)->addStretch(1);
    return panel;
}

void fillPage(QVBoxLayout* page, const PageNames& names) {
    page->setContentsMargins(12, 12, 12, 12);
    Panel* explanation = makePanel();
    QLabel* text = makeWrappedLabel(names.explanation);
    setFontSize(text, 11);
    panelLayout(explanation)->addWidget(text);
    page->addWidget(explanation);

    auto* choices = new QHBoxLayout;
    choices->setSpacing(12);
    choices->addWidget(makeRadioGroup(names.method, 2), 0, Qt::AlignTop);
    // As wide for None's one amount as for six, so the page does not jump as methods change.
    RadioGroupBox* cost = makeRadioGroup(names.cost, 2);
    cost->setMinimumWidth(190);
    choices->addWidget(cost, 0, Qt::AlignTop);
    if (names.planet != nullptr) {
        choices->addWidget(makeRadioGroup(names.planet, 4), 0, Qt::AlignTop);
    } else {
        choices->addWidget(makeRadioGroup(names.type), 0, Qt::AlignTop);
        choices->addWidget(planetTicks(names.ticks), 0, Qt::AlignTop);
    }
    choices->addStretch(1);
    page->addLayout(choices);
    page->addStretch(1);
}

}  // namespace

AdvertScrWindow::AdvertScrWindow(QWidget* parent) : GameWindow(ScreenId::AdvertScr, parent) {
    setBackground(kHubBackground);

    QTabWidget* pages = makePages("PageControl1");
    const PageNames names[] = {
        {"PSExplainL", "PSMethod", "PSCost", "PSPlanet", nullptr, nullptr},
        {"IExplainL", "IMethod", "ICost", nullptr, "IType", "IPlanet"},
        {"RExplainL", "RMethod", "RCost", nullptr, "RType", "RPlanet"},
        {"IExplainBL", "IMethodB", "ICostB", nullptr, "ITypeB", "IPlanetB"},
        {"RExplainBL", "RMethodB", "RCostB", nullptr, "RTypeB", "RPlanetB"},
    };
    for (const PageNames& page : names)
        fillPage(addPage(pages), page);
    content()->addWidget(pages);

    // Money and the six costs, in two columns under the pages.
    Panel* costs = makePanel();
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(40);
    const char* labels[] = {"CashL",          "PsngrCostL",     "IndAmountCostL", "RtlAmountCostL",
                            "IndDemandCostL", "RtlDemandCostL", "TotalCostL"};
    for (int i = 0; i < 7; ++i) {
        QLabel* label = makeLabel(labels[i]);
        setFontSize(label, 11, i == 0 || i == 6);
        figures->addWidget(label, i == 0 ? 0 : (i - 1) % 3 + 1, i == 0 ? 0 : (i - 1) / 3);
    }
    figures->setColumnStretch(2, 1);
    panelLayout(costs)->addLayout(figures);
    content()->addWidget(costs);
    content()->addStretch(1);

    // Help, Calculate Cost, Advertise, Continue
    addAll(buttonRow(), {makeButton("Button1"), makeButton("Button3"), makeButton("Button2"),
                         makeButton("Button4")});
}

}  // namespace quorvex::ui

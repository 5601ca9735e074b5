#include "ShipWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {
namespace {

// A panel of figures, one label a row.
Panel* figures(const QString& title, std::initializer_list<const char*> names) {
    Panel* panel = makePanel(title);
    for (const char* name : names) {
        QLabel* label = makeLabel(name);
        setFontSize(label, 12, true);
        panelLayout(panel)->addWidget(label);
    }
    panelLayout(panel)->addStretch(1);
    return panel;
}

}  // namespace

ShipWindow::ShipWindow(QWidget* parent) : GameWindow(ScreenId::Ship, parent) {
    setBackground(kHubBackground);

    auto* top = new QHBoxLayout;
    top->addWidget(figures(QStringLiteral("Ship"),
                           {"HullL", "SpaceL", "FreeSpaceL", "MaxCrewL", "CrewL", "CashL"}));
    top->addSpacing(12);
    top->addWidget(figures(QStringLiteral("Engine"), {"SizeL", "EfficiencyL", "SpeedL"}));
    top->addStretch(1);
    content()->addLayout(top);

    Panel* dealer = makePanel(QStringLiteral("Engines for sale"));
    panelLayout(dealer)->addWidget(makeGrid("PEngines"), 0, Qt::AlignLeft);
    QPushButton* upgrade = makeButton("Button4");
    upgrade->setMinimumHeight(32);
    panelLayout(dealer)->addWidget(upgrade, 0, Qt::AlignLeft);
    content()->addWidget(dealer, 0, Qt::AlignLeft);
    content()->addStretch(1);

    // Help, Space, Continue
    addAll(buttonRow(), {makeButton("Button3"), makeButton("Button2"), makeButton("Button1")});
}

}  // namespace quorvex::ui

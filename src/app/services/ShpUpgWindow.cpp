#include "ShpUpgWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

ShpUpgWindow::ShpUpgWindow(QWidget* parent) : GameWindow(ScreenId::ShpUpg, parent) {
    setBackground(kHubBackground);

    Panel* hull = makePanel(QStringLiteral("Hull"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(40);
    const char* names[] = {"HullL", "MaxCrewL", "SpaceL", "CrewL", "FreeL", "CashL", "EngineL"};
    int i = 0;
    for (const char* name : names) {
        QLabel* label = makeLabel(name);
        setFontSize(label, 12, true);
        grid->addWidget(label, i / 2, i % 2);
        ++i;
    }
    panelLayout(hull)->addLayout(grid);
    content()->addWidget(hull, 0, Qt::AlignLeft);

    Panel* space = makePanel(QStringLiteral("Space"));
    panelLayout(space)->addWidget(makeGrid("Upgrades"), 0, Qt::AlignLeft);
    // Each kind of space bought and sold side by side: cargo, fuel, passengers.
    auto* trades = new QGridLayout;
    trades->setSpacing(8);
    const std::pair<const char*, const char*> pairs[] = {
        {"Button3", "Button4"}, {"Button7", "Button8"}, {"Button5", "Button6"}};
    int row = 0;
    for (const auto& [buy, sell] : pairs) {
        for (const char* name : {buy, sell}) {
            QPushButton* button = makeButton(name);
            button->setMinimumHeight(30);
            trades->addWidget(button, row, name == buy ? 0 : 1);
        }
        ++row;
    }
    panelLayout(space)->addLayout(trades);
    content()->addWidget(space, 0, Qt::AlignLeft);
    content()->addStretch(1);

    // Help, Continue
    addAll(buttonRow(), {makeButton("Button2"), makeButton("Button1")});
}

}  // namespace quorvex::ui

#include "PlanetWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

PlanetWindow::PlanetWindow(QWidget* parent) : GameWindow(ScreenId::Planet, parent) {
    setBackground(kHubBackground);
    Panel* facts = makePanel();
    QLabel* name = makeLabel("PLanetL");
    setFontSize(name, 18, true);
    panelLayout(facts)->addWidget(name);
    for (const char* figure : {"PLntSzeL", "PlntpopL", "MaxpopL", "PlntResL", "POPGrowthL"}) {
        QLabel* label = makeLabel(figure);
        setFontSize(label, 12);
        panelLayout(facts)->addWidget(label);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(facts);
    row->addStretch(1);
    content()->addLayout(row);
    content()->addStretch(1);
    // HELP, Planet Special, Continue
    addAll(buttonRow(), {makeButton("Button3"), makeButton("Button2"), makeButton("Button1")});
}

}  // namespace quorvex::ui

#include "LandingsWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

LandingsWindow::LandingsWindow(QWidget* parent) : GameWindow(ScreenId::Landings, parent) {
    setBackground(kTravelBackground);
    auto* figures = new QHBoxLayout;
    for (const char* name : {"CashL", "YourOnL"}) {
        QLabel* label = makeLabel(name);
        setFontSize(label, 12, true);
        figures->addWidget(label);
        figures->addSpacing(30);
    }
    figures->addStretch(1);
    content()->addLayout(figures);
    content()->addWidget(makeGrid("Costs"), 0, Qt::AlignLeft);
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button2"), makeButton("Button1")});  // Help, Continue
}

}  // namespace quorvex::ui

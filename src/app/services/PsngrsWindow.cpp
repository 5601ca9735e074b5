#include "PsngrsWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

PsngrsWindow::PsngrsWindow(QWidget* parent) : GameWindow(ScreenId::Psngrs, parent) {
    setBackground(kHubBackground);
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(40);
    const char* names[] = {"CashL", "SpaceL", "PassengersL", "PriceL"};
    for (int i = 0; i < 4; ++i) {
        QLabel* label = makeLabel(names[i]);
        setFontSize(label, 12, true);
        figures->addWidget(label, i / 2, i % 2);
    }
    figures->setColumnStretch(2, 1);
    content()->addLayout(figures);
    content()->addWidget(makeGrid("Passengers"), 0, Qt::AlignLeft);
    content()->addStretch(1);
    // Help, Change Price, Pick up Passengers, Continue
    addAll(buttonRow(), {makeButton("Button1"), makeButton("Button3"), makeButton("Button5"),
                         makeButton("Button4")});
}

}  // namespace quorvex::ui

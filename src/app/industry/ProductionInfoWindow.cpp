#include "ProductionInfoWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "IndustryLayout.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

ProductionInfoWindow::ProductionInfoWindow(QWidget* parent)
    : GameWindow(ScreenId::ProductionInfo, parent) {
    setBackground(kHubBackground);
    auto* columns = new QHBoxLayout;

    // The grid scrolls when a planet holds more mines than the window shows.
    QTableWidget* mines = makeGrid("Plyrmines");
    mines->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Expanding);
    columns->addWidget(mines, 1, Qt::AlignLeft);

    columns->addLayout(overviewSide({"CashL", "PlanetL", "YouronL", "WareCapL", "TotalWeightL"}));
    content()->addLayout(columns, 1);

    // Help, Previous, Next, Totals Only / Show All, Continue
    addAll(buttonRow(), {makeButton("Button1"), makeButton("Last"), makeButton("Next"),
                         makeButton("ShowallToggler"), makeButton("Button5")});
}

}  // namespace quorvex::ui

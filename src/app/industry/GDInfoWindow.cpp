#include "GDInfoWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "IndustryLayout.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

GDInfoWindow::GDInfoWindow(QWidget* parent) : GameWindow(ScreenId::GDInfo, parent) {
    setBackground(kHubBackground);
    auto* columns = new QHBoxLayout;

    // Twenty-five goods in close rows, so that they fit the window; it scrolls where it is
    // shorter.
    QTableWidget* goods = makeGrid("Good");
    goods->verticalHeader()->setDefaultSectionSize(goods->fontMetrics().height() + 3);
    goods->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Expanding);
    columns->addWidget(goods, 1, Qt::AlignLeft);

    columns->addLayout(overviewSide({"CashL", "PlntNamel", "PlanetL"}));
    content()->addLayout(columns, 1);

    // Help, Previous, Next, Continue
    addAll(buttonRow(), {makeButton("Button2"), makeButton("Button3"), makeButton("Button4"),
                         makeButton("Button1")});
}

}  // namespace quorvex::ui

#include "IndustryWidgets.h"

#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>

#include "kit/WindowKit.h"

namespace quorvex::ui {

QListWidget* makePlanetStrip(const char* name) {
    QListWidget* planets = makeListBox(name);
    planets->setFlow(QListView::LeftToRight);
    planets->setWrapping(false);
    planets->setSpacing(4);
    planets->setFixedSize(300, planets->fontMetrics().height() + 16);
    planets->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return planets;
}

QTableWidget* makeCompactGrid(const char* name) {
    QTableWidget* grid = makeGrid(name);
    setFontSize(grid, 9);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    return grid;
}

}  // namespace quorvex::ui

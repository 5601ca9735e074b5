#include "TradingLayout.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

Panel* makeFigureRow(std::initializer_list<const char*> labels) {
    Panel* figures = makePanel();
    auto* row = new QHBoxLayout;
    for (const char* name : labels) {
        QLabel* label = makeLabel(name);
        setFontSize(label, 12, true);
        row->addWidget(label);
        row->addSpacing(30);
    }
    row->addStretch(1);
    panelLayout(figures)->addLayout(row);
    return figures;
}

QTabWidget* makeGridPages(const char* name, std::initializer_list<const char*> grids,
                          int pointSize) {
    QTabWidget* pages = makePages(name);
    for (const char* gridName : grids) {
        QVBoxLayout* page = addPage(pages);
        page->setContentsMargins(2, 2, 2, 2);
        QTableWidget* grid = makeGrid(gridName);
        if (pointSize > 0) {
            setFontSize(grid, pointSize);
            grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
        }
        page->addWidget(grid, 0, Qt::AlignLeft | Qt::AlignTop);
        page->addStretch(1);
    }
    return pages;
}

}  // namespace quorvex::ui

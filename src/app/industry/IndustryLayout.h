#pragma once

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <initializer_list>

#include "kit/WindowKit.h"

// Pieces the industry windows share.
namespace quorvex::ui {

inline constexpr int kPlanetEntries = 12;
inline constexpr int kRawGoodEntries = 7;

// A figure in the large bold type of the screens' headline numbers.
inline QLabel* makeFigure(const char* name) {
    QLabel* label = makeLabel(name);
    setFontSize(label, 12, true);
    return label;
}

// A list tall enough to show all its entries without scrolling.
inline QListWidget* makeFullList(const char* name, int entries, int width) {
    QListWidget* list = makeListBox(name);
    const int entryHeight = list->fontMetrics().height() + 4;
    list->setFixedSize(width, entries * entryHeight + 2 * list->frameWidth() + 4);
    return list;
}

// The side column of an overview: its figures in a panel, and the planet list beneath.
inline QVBoxLayout* overviewSide(std::initializer_list<const char*> figureNames) {
    auto* side = new QVBoxLayout;
    Panel* figures = makePanel();
    for (const char* name : figureNames)
        panelLayout(figures)->addWidget(makeFigure(name));
    side->addWidget(figures);
    side->addSpacing(12);
    side->addWidget(makeFullList("PLanetList", kPlanetEntries, 120), 0, Qt::AlignLeft);
    side->addStretch(1);
    return side;
}

}  // namespace quorvex::ui

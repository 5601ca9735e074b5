#pragma once

#include <QLabel>
#include <QListWidget>

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

}  // namespace quorvex::ui

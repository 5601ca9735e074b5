#include "KeyboardPlay.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QLayout>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <vector>

namespace quorvex::ui {
namespace {

void collectLayout(QLayout* layout, QList<QWidget*>& out);

void collectWidget(QWidget* w, QList<QWidget*>& out) {
    if (auto* pages = qobject_cast<QTabWidget*>(w)) {
        out << pages;  // its tabs first, then what each page holds
        for (int i = 0; i < pages->count(); ++i)
            if (QLayout* page = pages->widget(i)->layout()) collectLayout(page, out);
        return;
    }
    if (w->focusPolicy() & Qt::TabFocus) {
        out << w;
        return;
    }
    if (w->layout() != nullptr) {
        collectLayout(w->layout(), out);  // a panel: its widgets
        return;
    }
    // Widgets a window places itself (the travel screen's planets on the map), as they were made.
    for (QObject* child : w->children())
        if (auto* inner = qobject_cast<QWidget*>(child); inner != nullptr && !inner->isWindow())
            collectWidget(inner, out);
}

// A grid's items as they are read, row by row; any other layout's in its own order.
std::vector<int> itemsInReadingOrder(QLayout* layout) {
    std::vector<int> order(static_cast<std::size_t>(layout->count()));
    for (int i = 0; i < layout->count(); ++i)
        order[static_cast<std::size_t>(i)] = i;
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        const auto cellOf = [grid](int index) {
            int row = 0, col = 0, rowSpan = 0, colSpan = 0;
            grid->getItemPosition(index, &row, &col, &rowSpan, &colSpan);
            return std::make_pair(row, col);
        };
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return cellOf(a) < cellOf(b); });
    }
    return order;
}

void collectLayout(QLayout* layout, QList<QWidget*>& out) {
    for (int i : itemsInReadingOrder(layout)) {
        QLayoutItem* item = layout->itemAt(i);
        if (QWidget* w = item->widget())
            collectWidget(w, out);
        else if (QLayout* inner = item->layout())
            collectLayout(inner, out);
    }
}

}  // namespace

QList<QWidget*> readingOrder(QWidget* window) {
    QList<QWidget*> order;
    if (window->layout() != nullptr) collectLayout(window->layout(), order);
    return order;
}

void orderTabs(QWidget* window) {
    QList<QWidget*> order = readingOrder(window);
    // Tab leaves a grid or a list; the arrow keys move within it.
    for (auto* view : window->findChildren<QAbstractItemView*>())
        view->setTabKeyNavigation(false);
    for (QWidget* w : window->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && !order.contains(w) && w->focusProxy() == nullptr &&
            w->window() == window) {
            bool inside = false;  // part of a control already in the order (a grid's scroll bar)
            for (QWidget* control : order)
                inside = inside || control->isAncestorOf(w);
            if (!inside) order << w;
        }
    // A tab widget passes the focus to its tab bar. Chained as itself, with a grid on one of its
    // pages next, Tab would go round the tab widget and its bar for ever: its bar is chained,
    // and the tab widget itself is no stop.
    for (QWidget*& w : order)
        while (QWidget* proxy = w->focusProxy()) {
            const Qt::FocusPolicy kept = proxy->focusPolicy();
            w->setFocusPolicy(Qt::NoFocus);  // passed on to the proxy, which keeps its own
            proxy->setFocusPolicy(kept);
            w = proxy;
        }
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QPushButton* mainAction(QWidget* window) {
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->isDefault() && button->isVisibleTo(window) && button->isEnabled())
            return button;
    return nullptr;
}

}  // namespace quorvex::ui

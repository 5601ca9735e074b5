#include "WidgetSync.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "RadioGroupBox.h"
#include "WindowKit.h"

namespace quorvex::ui {
namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList qsList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items)
        list << qs(item);
    return list;
}

QStringList listItems(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList comboItems(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

void syncCommon(const Control& c, QWidget* w) {
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    if (w->isHidden() == c.visible) w->setVisible(c.visible);
}

void syncLabel(const Label& l, QLabel* w, int& shownColour) {
    const QString text = qs(l.text);
    if (w->text() != text) w->setText(text);
    const int colour = static_cast<int>(l.color);
    if (colour != shownColour) {
        shownColour = colour;
        if (l.color == FontColor::Default) {
            w->setPalette(QPalette());  // back to the window's own colours
        } else {
            QPalette p;
            p.setColor(QPalette::WindowText,
                       l.color == FontColor::Yellow ? QColor(255, 255, 0) : QColor(255, 255, 255));
            w->setPalette(p);
        }
    }
}

void syncEdit(const Edit& e, QLineEdit* w) {
    const QString text = qs(e.text);
    if (w->text() != text) w->setText(text);
    if (w->isReadOnly() != e.readOnly) w->setReadOnly(e.readOnly);
}

void syncButton(const Button& b, QPushButton* w) {
    const QString text = buttonText(qs(b.caption));
    if (w->text() != text) w->setText(text);
}

void syncListBox(const Choice& c, QListWidget* w) {
    const QStringList items = qsList(c.items);
    if (listItems(w) != items) {
        w->clear();
        w->addItems(items);
    }
    if (w->currentRow() != c.itemIndex || (c.itemIndex < 0 && !w->selectedItems().isEmpty())) {
        w->setCurrentRow(c.itemIndex);
        if (c.itemIndex < 0) w->clearSelection();
    }
}

void syncComboBox(const ComboBox& c, QComboBox* w) {
    const QStringList items = qsList(c.items);
    if (comboItems(w) != items) {
        w->clear();
        w->addItems(items);
    }
    if (w->currentIndex() != c.itemIndex) w->setCurrentIndex(c.itemIndex);
    const QString hint = qs(c.hint);
    if (w->toolTip() != hint) w->setToolTip(hint);
}

void syncRadioGroup(const Choice& c, RadioGroupBox* w) {
    const QString title = qs(c.caption);
    if (w->title() != title) w->setTitle(title);
    w->setItems(qsList(c.items));
    w->setCheckedIndex(c.itemIndex);
}

void syncCheckBox(const CheckBox& c, QCheckBox* w) {
    const QString text = buttonText(qs(c.caption));
    if (w->text() != text) w->setText(text);
    if (w->isChecked() != c.checked) w->setChecked(c.checked);
}

// Heading rows and columns are ordinary cells, shaded and never selectable; the selection is
// the game's, one row (or cell) at a time.
void syncGrid(const StringGrid& g, QTableWidget* w) {
    if (w->columnCount() != g.colCount()) w->setColumnCount(g.colCount());
    if (w->rowCount() != g.rowCount()) w->setRowCount(g.rowCount());
    const QBrush heading = w->palette().brush(QPalette::Button);
    std::vector<bool> changed(static_cast<std::size_t>(g.colCount()), false);
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.colCount(); ++c) {
            QTableWidgetItem* item = w->item(r, c);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                const bool fixed = r < g.fixedRows() || c < g.fixedCols();
                item->setFlags(fixed ? Qt::ItemIsEnabled
                                     : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                if (fixed) item->setBackground(heading);
                w->setItem(r, c, item);
            }
            const QString text = qs(g.cell(c, r));
            if (item->text() != text) {
                item->setText(text);
                changed[static_cast<std::size_t>(c)] = true;
            }
        }
    for (int c = 0; c < g.colCount(); ++c) {
        const int width = c < static_cast<int>(g.colWidths.size()) ? g.colWidths[c] : 0;
        if (width > 0) {
            if (w->columnWidth(c) != width) w->setColumnWidth(c, width);
        } else if (changed[static_cast<std::size_t>(c)]) {
            w->resizeColumnToContents(c);
            w->setColumnWidth(c, w->columnWidth(c) + 10);  // a little air between columns
        }
    }
    const auto behaviour =
        g.rowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems;
    if (w->selectionBehavior() != behaviour) w->setSelectionBehavior(behaviour);
    if (g.row() >= 0) {
        const int col = g.col() >= 0 ? g.col() : g.fixedCols();
        if (w->currentRow() != g.row() || w->currentColumn() != col || w->selectedItems().isEmpty())
            w->setCurrentCell(g.row(), col, QItemSelectionModel::ClearAndSelect);
    } else if (w->currentRow() >= 0 || !w->selectedItems().isEmpty()) {
        w->setCurrentItem(nullptr);
        w->clearSelection();
    }
}

void syncPages(const PageControl& p, QTabWidget* w) {
    const int count = static_cast<int>(p.tabs.size());
    while (w->count() < count)
        addPage(w);
    for (int i = 0; i < count; ++i) {
        const QString text = buttonText(qs(p.tabs[static_cast<std::size_t>(i)]));
        if (w->tabText(i) != text) w->setTabText(i, text);
    }
    if (w->currentIndex() != p.activePage) w->setCurrentIndex(p.activePage);
}

void syncProgressBar(const ProgressBar& p, QProgressBar* w) {
    if (w->minimum() != p.minimum || w->maximum() != p.maximum) w->setRange(p.minimum, p.maximum);
    if (w->value() != p.position) w->setValue(p.position);
}

void syncPopupMenu(const PopupMenu& m, QMenu* w) {
    const QList<QAction*> actions = w->actions();
    bool same = actions.size() == static_cast<qsizetype>(m.items.size());
    for (std::size_t i = 0; same && i < m.items.size(); ++i)
        same = actions[static_cast<qsizetype>(i)]->objectName() == qs(m.items[i].name) &&
               actions[static_cast<qsizetype>(i)]->text() == buttonText(qs(m.items[i].caption));
    if (same) return;
    w->clear();
    for (const auto& item : m.items) {
        if (item.caption.empty() && !item.onClick) {
            w->addSeparator()->setObjectName(qs(item.name));
            continue;
        }
        QAction* action = w->addAction(buttonText(qs(item.caption)));
        action->setObjectName(qs(item.name));
    }
}

}  // namespace

void syncWidget(Control& c, QWidget* w, int& shownColour) {
    switch (c.kind()) {
        case ControlKind::Label:
            syncLabel(static_cast<Label&>(c), static_cast<QLabel*>(w), shownColour);
            break;
        case ControlKind::Edit:
            syncEdit(static_cast<Edit&>(c), static_cast<QLineEdit*>(w));
            break;
        case ControlKind::Button:
            syncButton(static_cast<Button&>(c), static_cast<QPushButton*>(w));
            break;
        case ControlKind::ListBox:
            syncListBox(static_cast<Choice&>(c), static_cast<QListWidget*>(w));
            break;
        case ControlKind::ComboBox:
            syncComboBox(static_cast<ComboBox&>(c), static_cast<QComboBox*>(w));
            break;
        case ControlKind::RadioGroup:
            syncRadioGroup(static_cast<Choice&>(c), static_cast<RadioGroupBox*>(w));
            break;
        case ControlKind::CheckBox:
            syncCheckBox(static_cast<CheckBox&>(c), static_cast<QCheckBox*>(w));
            break;
        case ControlKind::StringGrid:
            syncGrid(static_cast<StringGrid&>(c), static_cast<QTableWidget*>(w));
            break;
        case ControlKind::PageControl:
            syncPages(static_cast<PageControl&>(c), static_cast<QTabWidget*>(w));
            break;
        case ControlKind::ProgressBar:
            syncProgressBar(static_cast<ProgressBar&>(c), static_cast<QProgressBar*>(w));
            break;
        case ControlKind::PopupMenu:
            syncPopupMenu(static_cast<PopupMenu&>(c), static_cast<QMenu*>(w));
            if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
            return;  // a pop-up is never shown by syncing
    }
    syncCommon(c, w);
}

bool widgetFits(ControlKind kind, const QWidget* w) {
    switch (kind) {
        case ControlKind::Label:
            return qobject_cast<const QLabel*>(w) != nullptr;
        case ControlKind::Edit:
            return qobject_cast<const QLineEdit*>(w) != nullptr;
        case ControlKind::Button:
            return qobject_cast<const QPushButton*>(w) != nullptr;
        case ControlKind::ListBox:
            return qobject_cast<const QListWidget*>(w) != nullptr;
        case ControlKind::ComboBox:
            return qobject_cast<const QComboBox*>(w) != nullptr;
        case ControlKind::RadioGroup:
            return qobject_cast<const RadioGroupBox*>(w) != nullptr;
        case ControlKind::CheckBox:
            return qobject_cast<const QCheckBox*>(w) != nullptr;
        case ControlKind::StringGrid:
            return qobject_cast<const QTableWidget*>(w) != nullptr;
        case ControlKind::PageControl:
            return qobject_cast<const QTabWidget*>(w) != nullptr;
        case ControlKind::ProgressBar:
            return qobject_cast<const QProgressBar*>(w) != nullptr;
        case ControlKind::PopupMenu:
            return qobject_cast<const QMenu*>(w) != nullptr;
    }
    return false;
}

}  // namespace quorvex::ui

#include "WidgetSync.h"

#include <QApplication>
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
#include <array>

#include "ClickableLabel.h"
#include "QtText.h"
#include "RadioGroupBox.h"
#include "WindowKit.h"

namespace quorvex::ui {
namespace {

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

void syncComboBox(const Choice& c, QComboBox* w) {
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
            w->setCurrentCell(g.row(), col,
                              g.rowSelect
                                  ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                  : QItemSelectionModel::ClearAndSelect);
    } else if (g.rowCount() > 0 && g.colCount() > 0) {
        // Nothing chosen: the current cell rests, unselected, on the first cell. A grid without
        // a current cell makes one of its own when it takes the focus, and that would reach the
        // game as the person's click.
        const QModelIndex rest = w->model()->index(0, 0);
        if (w->currentIndex() != rest)
            w->selectionModel()->setCurrentIndex(rest, QItemSelectionModel::NoUpdate);
        if (!w->selectedItems().isEmpty()) w->clearSelection();
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

// Forwarding what the person does, one kind at a time. Typing only changes an edit's text (a
// handler reads it); a grid's mouse presses are watched by the binder.
using Act = std::function<void(const Action&)>;

void forwardLabel(Control& c, QWidget* w, QObject* context, const Act& act) {
    if (auto* label = qobject_cast<ClickableLabel*>(w))
        QObject::connect(label, &ClickableLabel::clicked, context,
                         [&c, act] { act(actionClick(c)); });
}

void forwardEdit(Control& c, QWidget* w, QObject* context, const Act&) {
    auto& e = static_cast<Edit&>(c);
    QObject::connect(static_cast<QLineEdit*>(w), &QLineEdit::textEdited, context,
                     [&e](const QString& text) { e.text = text.toStdString(); });
}

void forwardButton(Control& c, QWidget* w, QObject* context, const Act& act) {
    QObject::connect(static_cast<QPushButton*>(w), &QPushButton::clicked, context,
                     [&c, act] { act(actionClick(c)); });
}

void forwardListBox(Control& c, QWidget* w, QObject* context, const Act& act) {
    QObject::connect(static_cast<QListWidget*>(w), &QListWidget::currentRowChanged, context,
                     [&c, act](int row) { act(actionChoose(static_cast<Choice&>(c), row)); });
}

void forwardComboBox(Control& c, QWidget* w, QObject* context, const Act& act) {
    QObject::connect(static_cast<QComboBox*>(w), &QComboBox::activated, context,
                     [&c, act](int index) { act(actionChoose(static_cast<Choice&>(c), index)); });
}

void forwardRadioGroup(Control& c, QWidget* w, QObject* context, const Act& act) {
    QObject::connect(static_cast<RadioGroupBox*>(w), &RadioGroupBox::chosen, context,
                     [&c, act](int index) { act(actionChoose(static_cast<Choice&>(c), index)); });
}

void forwardCheckBox(Control& c, QWidget* w, QObject* context, const Act& act) {
    QObject::connect(static_cast<QCheckBox*>(w), &QCheckBox::clicked, context,
                     [&c, act](bool on) { act(actionCheck(static_cast<CheckBox&>(c), on)); });
}

// Moving through a grid with the keys chooses a cell as a click does; mouse presses are the
// binder's.
void forwardGrid(Control& c, QWidget* w, QObject* context, const Act& act) {
    QObject::connect(static_cast<QTableWidget*>(w), &QTableWidget::currentCellChanged, context,
                     [&c, act](int row, int col) {
                         if (QApplication::mouseButtons() != Qt::NoButton || row < 0) return;
                         auto& g = static_cast<StringGrid&>(c);
                         if (row == g.row() && col == g.col()) return;  // the game moved it
                         act(actionCell(g, col, row));
                     });
}

void forwardPages(Control& c, QWidget* w, QObject* context, const Act& act) {
    QObject::connect(static_cast<QTabWidget*>(w), &QTabWidget::currentChanged, context,
                     [&c, act](int page) { act(actionPage(static_cast<PageControl&>(c), page)); });
}

void forwardNothing(Control&, QWidget*, QObject*, const Act&) {}

template <typename W>
bool isA(const QWidget* w) {
    return qobject_cast<const W*>(w) != nullptr;
}

// Everything the binder does differently for each kind of control, in one table.
struct KindBinding {
    bool (*fits)(const QWidget*);
    void (*sync)(Control&, QWidget*, int& shownColour);
    void (*forward)(Control&, QWidget*, QObject*, const Act&);
};

template <typename C, typename W, void (*Sync)(const C&, W*)>
void syncAs(Control& c, QWidget* w, int&) {
    Sync(static_cast<const C&>(c), static_cast<W*>(w));
}

void syncLabelAs(Control& c, QWidget* w, int& shownColour) {
    syncLabel(static_cast<const Label&>(c), static_cast<QLabel*>(w), shownColour);
}

const KindBinding& bindingOf(ControlKind kind) {
    static const std::array<KindBinding, 11> kBindings = {{
        {isA<QLabel>, syncLabelAs, forwardLabel},
        {isA<QLineEdit>, syncAs<Edit, QLineEdit, syncEdit>, forwardEdit},
        {isA<QPushButton>, syncAs<Button, QPushButton, syncButton>, forwardButton},
        {isA<QListWidget>, syncAs<Choice, QListWidget, syncListBox>, forwardListBox},
        {isA<QComboBox>, syncAs<Choice, QComboBox, syncComboBox>, forwardComboBox},
        {isA<RadioGroupBox>, syncAs<Choice, RadioGroupBox, syncRadioGroup>, forwardRadioGroup},
        {isA<QCheckBox>, syncAs<CheckBox, QCheckBox, syncCheckBox>, forwardCheckBox},
        {isA<QTableWidget>, syncAs<StringGrid, QTableWidget, syncGrid>, forwardGrid},
        {isA<QTabWidget>, syncAs<PageControl, QTabWidget, syncPages>, forwardPages},
        {isA<QProgressBar>, syncAs<ProgressBar, QProgressBar, syncProgressBar>, forwardNothing},
        // A pop-up is shown after the action that asks for it, never by syncing.
        {isA<QMenu>, syncAs<PopupMenu, QMenu, syncPopupMenu>, forwardNothing},
    }};
    return kBindings.at(static_cast<std::size_t>(kind));
}

// What a screen reader calls a control: a button's, a choice's or a check box's caption, a
// clickable label's text. Figures and grids are named by the caption label before them.
const std::string* captionOf(const Control& c) {
    switch (c.kind()) {
        case ControlKind::Button:
            return &static_cast<const Button&>(c).caption;
        case ControlKind::ListBox:
        case ControlKind::ComboBox:
        case ControlKind::RadioGroup:
            return &static_cast<const Choice&>(c).caption;
        case ControlKind::CheckBox:
            return &static_cast<const CheckBox&>(c).caption;
        case ControlKind::Label:
            return static_cast<const Label&>(c).clickable() ? &static_cast<const Label&>(c).text
                                                            : nullptr;
        default:
            return nullptr;
    }
}

}  // namespace

void syncWidget(Control& c, QWidget* w, int& shownColour) {
    bindingOf(c.kind()).sync(c, w, shownColour);
    if (const std::string* caption = captionOf(c)) {
        const QString name = qs(*caption).trimmed();
        if (w->accessibleName() != name) w->setAccessibleName(name);
    }
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    if (c.kind() == ControlKind::PopupMenu) return;  // a menu's visibility is its popping up
    if (w->isHidden() == c.visible) w->setVisible(c.visible);
}

bool widgetFits(ControlKind kind, const QWidget* w) {
    return bindingOf(kind).fits(w);
}

void forwardActions(Control& c, QWidget* w, QObject* context,
                    std::function<void(const Action&)> act) {
    bindingOf(c.kind()).forward(c, w, context, act);
}

}  // namespace quorvex::ui

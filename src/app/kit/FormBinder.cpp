#include "FormBinder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QtDebug>
#include <utility>

#include "ClickableLabel.h"
#include "GameWindow.h"
#include "KeyboardPlay.h"
#include "QtText.h"
#include "RadioGroupBox.h"
#include "WidgetSync.h"
#include "form/Screen.h"

namespace quorvex::ui {
namespace {}  // namespace

FormBinder::FormBinder(Game& game, const Windows& windows, QObject* parent)
    : QObject(parent), game_(game), windows_(windows) {
    for (int i = 0; i < kScreenCount; ++i)
        bindScreen(static_cast<ScreenId>(i));
    game_.onVisibilityChange = [this](ScreenId id, bool visible) {
        if (visible) shownDuringAction_.push_back(id);
    };
}

FormBinder::~FormBinder() {
    game_.onVisibilityChange = nullptr;
}

void FormBinder::bindScreen(ScreenId id) {
    GameWindow* window = windows_[static_cast<int>(id)];
    Screen& screen = game_.screen(id);
    connect(window, &GameWindow::closeRequested, this, [this, id] { closeRequested(id); });
    connect(window, &GameWindow::enterPressed, this, [this, id] { enterPressed(id); });
    connect(window, &GameWindow::escapePressed, this, [this, id] { escapePressed(id); });
    orderTabs(window);
    for (Control* control : screen.controls()) {
        QWidget* found = nullptr;
        for (QWidget* w : window->findChildren<QWidget*>(qs(control->name())))
            if (widgetFits(control->kind(), w)) {
                found = w;
                break;
            }
        if (found == nullptr) {
            const QString missing = QStringLiteral("%1: %2 (%3)")
                                        .arg(qs(screen.caption).trimmed(), qs(control->name()),
                                             QString::fromLatin1(kindName(control->kind())));
            unbound_ << missing;
            qWarning("no widget for %s", qPrintable(missing));
            continue;
        }
        // Texts the players typed must read as typed, never as markup.
        if (auto* label = qobject_cast<QLabel*>(found)) label->setTextFormat(Qt::PlainText);
        bindings_[static_cast<int>(id)].push_back({control, found});
        connectWidget(id, *control, found);
    }
}

void FormBinder::connectWidget(ScreenId id, Control& control, QWidget* widget) {
    forwardActions(control, widget, this, [this](const Action& action) { act(action); });
    if (control.kind() == ControlKind::StringGrid) {
        auto* table = qobject_cast<QTableWidget*>(widget);
        table->viewport()->installEventFilter(this);
        watchedGrids_.push_back({table->viewport(), table, id, static_cast<StringGrid*>(&control)});
    }
}

// A mouse button going down over a grid: the left button clicks the cell under the pointer (its
// choice moves, then the grid's mouse-down and click handlers run); any other button runs the
// mouse-down handler only, keeping the chosen cell. Then the screen may ask for its pop-up menu.
bool FormBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QObject::eventFilter(watched, event);
    for (const WatchedGrid& g : watchedGrids_) {
        if (g.viewport != watched) continue;
        // The game keeps the grid's choice: the press is used up here, never by the table.
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton) {
            act(actionPress(*g.grid));
            return true;
        }
        const QModelIndex index = g.table->indexAt(press->position().toPoint());
        if (!index.isValid()) return true;  // below the last row: nothing there to click
        act(actionCell(*g.grid, index.column(), index.row()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void FormBinder::start() {
    run([this] { game_.start(); });
}

void FormBinder::run(const std::function<void()>& step) {
    if (acting_) return;
    shownDuringAction_.clear();
    game_.perform(step);
    finish();
}

void FormBinder::act(const Action& action) {
    if (acting_) return;  // a box of the running action is open; nothing else can happen now
    acting_ = true;
    origin_ = action.screen;
    hasOrigin_ = true;
    shownDuringAction_.clear();
    game_.act(action);
    acting_ = false;
    finish();
}

void FormBinder::finish() {
    sync();
    shownDuringAction_.clear();
    hasOrigin_ = false;
    if (menuWasShown_ && !game_.isVisible(ScreenId::GameMenu)) {
        if (onMainMenuClosed) onMainMenuClosed();
        return;
    }
    showRequestedPopup();
}

// A menu the last action opened pops up near the pointer. Choosing an item is the next action;
// closing it chooses nothing, and the game's menu stays open until the person does something
// else.
//
// Moving through a grid with the keys asks for the menu at every step; then it waits, open in the
// game, until Enter on that grid pops it up beside the chosen cell.
void FormBinder::showRequestedPopup() {
    heldMenu_ = {};
    for (int i = 0; i < kScreenCount; ++i)
        for (const Binding& b : bindings_[i]) {
            if (b.control->kind() != ControlKind::PopupMenu) continue;
            auto* menu = static_cast<PopupMenu*>(b.control);
            if (!menu->shownAfterAction) continue;
            menu->shownAfterAction = false;
            auto* grid = qobject_cast<QTableWidget*>(QApplication::focusWidget());
            if (QApplication::mouseButtons() == Qt::NoButton && grid != nullptr) {
                heldMenu_ = {menu, static_cast<QMenu*>(b.widget), grid};
                return;
            }
            popUp(*menu, static_cast<QMenu*>(b.widget), QCursor::pos());
            return;
        }
}

void FormBinder::popUp(PopupMenu& menu, QMenu* widget, const QPoint& where) {
    const QAction* chosen = widget->exec(where);
    if (chosen != nullptr) act(actionItem(menu, chosen->objectName().toStdString()));
}

bool FormBinder::popUpHeldMenu(QWidget* focus) {
    const HeldMenu held = std::exchange(heldMenu_, {});
    if (held.grid == nullptr || held.grid != focus || !held.menu->isOpen()) return false;
    const QRect cell = held.grid->visualRect(held.grid->currentIndex());
    popUp(*held.menu, held.widget, held.grid->viewport()->mapToGlobal(cell.bottomLeft()));
    return true;
}

// Closing a window presses its way back, so the game never loses its thread; a window without
// one (the ranking) stays open.
void FormBinder::closeRequested(ScreenId id) {
    if (acting_) return;
    const Button* back = game_.screen(id).wayBack();
    if (back != nullptr && back->enabled && back->visible) act(actionClick(*back));
}

// Enter on a grid whose menu waits pops it up; on a button it presses that button; anywhere else in
// the window it presses the screen's main
// action ("Begin Turn", "GO", "Start"), and on a screen without one its way back ("Continue"),
// unless the focus is in an edit box.
void FormBinder::enterPressed(ScreenId id) {
    if (acting_) return;
    GameWindow* window = windows_[static_cast<int>(id)];
    if (popUpHeldMenu(window->focusWidget())) return;
    if (auto* focused = qobject_cast<QPushButton*>(window->focusWidget());
        focused != nullptr && focused->isVisible() && focused->isEnabled()) {
        focused->click();
        return;
    }
    if (QPushButton* main = mainAction(window)) {
        main->click();
        return;
    }
    // Enter after typing an amount never leaves the screen with the amount unused.
    if (qobject_cast<QLineEdit*>(window->focusWidget()) != nullptr) return;
    escapePressed(id);
}

// Escape leads back as closing the window does, except where that would end the program (the
// main menu's "Close") or put the game in hand aside mid-turn (the hub's "Close") at a slip of the
// finger; either "Close" is a Tab away.
void FormBinder::escapePressed(ScreenId id) {
    if (id != ScreenId::GameMenu && id != ScreenId::PlanetScreen) closeRequested(id);
}

void FormBinder::sync() {
    for (int i = 0; i < kScreenCount; ++i)
        syncScreen(static_cast<ScreenId>(i));
    syncWindows();
}

void FormBinder::syncScreen(ScreenId id) {
    GameWindow* window = windows_[static_cast<int>(id)];
    window->setCaption(qs(game_.screen(id).caption));
    bool newButtons = false;
    for (Binding& b : bindings_[static_cast<int>(id)]) {
        const QSignalBlocker quiet(b.widget);  // copying never reaches back into the game
        auto* group = qobject_cast<RadioGroupBox*>(b.widget);
        const QStringList itemsBefore = group != nullptr ? group->items() : QStringList();
        syncWidget(*b.control, b.widget, b.shownColour);
        newButtons = newButtons || (group != nullptr && group->items() != itemsBefore);
    }
    // A radio group given new items has new buttons, which Tab would reach last.
    if (newButtons) orderTabs(window);
}

// Windows follow the game: the ones it shows appear (in front, in the order shown), the ones it
// hid go away. A window taking over from another in the same action takes its place and size,
// so a turn feels like one window.
void FormBinder::syncWindows() {
    std::vector<GameWindow*> appearing, leaving;
    for (int i = 0; i < kScreenCount; ++i) {
        GameWindow* w = windows_[i];
        const bool shown = game_.isVisible(static_cast<ScreenId>(i));
        if (shown && !w->isVisible()) appearing.push_back(w);
        if (!shown && w->isVisible()) leaving.push_back(w);
    }
    if (game_.isVisible(ScreenId::GameMenu)) menuWasShown_ = true;
    for (GameWindow* w : appearing) {
        place(w, leaving);
        w->show();
        focusStart(w);
    }
    // Shown again while open (the main menu from the hub's "Close") comes to the front too.
    for (ScreenId id : shownDuringAction_) {
        GameWindow* w = windows_[static_cast<int>(id)];
        if (!game_.isVisible(id)) continue;
        w->raise();
        front_ = w;
    }
    for (GameWindow* w : leaving)
        w->hide();
    if (front_ != nullptr && !front_->isVisible()) front_ = nullptr;
    if (front_ == nullptr)
        for (GameWindow* w : windows_)
            if (w->isVisible()) front_ = w;
    if (front_ != nullptr && !shownDuringAction_.empty()) front_->activateWindow();
}

// A keyboard player starts where the screen says: on the travel screen Enter or Space then flies
// to the declared destination. An inactive window gives the focus once it is activated.
void FormBinder::focusStart(GameWindow* window) {
    const ScreenId id = window->screenId();
    const Control* start = game_.screen(id).focusOnShowing();
    if (start == nullptr) return;
    for (const Binding& b : bindings_[static_cast<int>(id)])
        if (b.control == start) b.widget->setFocus(Qt::OtherFocusReason);
}

void FormBinder::place(GameWindow* window, const std::vector<GameWindow*>& leaving) {
    const ScreenId id = window->screenId();
    if (window->besideScreen()) {
        placeBeside(window, windows_[static_cast<int>(*window->besideScreen())]);
        return;
    }
    // A window that takes over from another takes its place and size.
    const auto takesOver = [](const GameWindow* w) {
        return !w->keepsOwnPlace() && !w->besideScreen();
    };
    GameWindow* donor = nullptr;
    if (takesOver(window)) {
        for (GameWindow* w : leaving)
            if (takesOver(w)) {
                donor = w;
                break;
            }
        // Before a box in the middle of a hand-over the old window is still open: the window
        // the person acted in is the one being left.
        if (donor == nullptr && hasOrigin_) {
            GameWindow* from = windows_[static_cast<int>(origin_)];
            if (from != window && from->isVisible() && takesOver(from)) donor = from;
        }
    }
    if (donor != nullptr) {
        window->resize(donor->size());
        window->move(donor->pos());
    } else if (!placed_[static_cast<int>(id)]) {
        centre(window);
    }
    placed_[static_cast<int>(id)] = true;
}

// Beside the other window (the buy and sell windows beside the market), to its right when there
// is room, else to its left; two such windows open together stand one above the other.
void FormBinder::placeBeside(GameWindow* window, GameWindow* other) {
    if (!other->isVisible()) {
        if (!placed_[static_cast<int>(window->screenId())]) centre(window);
        return;
    }
    const QRect area = other->screen()->availableGeometry();
    const QRect beside = other->frameGeometry();
    int x = beside.right() + 8;
    if (x + window->width() > area.right()) x = beside.left() - window->width() - 8;
    if (x < area.left()) x = area.right() - window->width();
    int y = beside.top();
    for (GameWindow* w : windows_)
        if (w != window && w->isVisible() && w->besideScreen() == window->besideScreen() &&
            w->x() == x)
            y = w->frameGeometry().bottom() + 8;
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() - window->height()));
    window->move(x, y);
}

void FormBinder::centre(GameWindow* window) {
    QScreen* screen = windows_[static_cast<int>(ScreenId::GameMenu)]->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

QWidget* FormBinder::frontWindow() const {
    if (front_ != nullptr && front_->isVisible()) return front_;
    return nullptr;
}

}  // namespace quorvex::ui

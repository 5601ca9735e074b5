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

#include "ClickableLabel.h"
#include "GameWindow.h"
#include "RadioGroupBox.h"
#include "WidgetSync.h"
#include "form/Screen.h"
#include "state/GameError.h"

namespace quorvex::ui {
namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

bool isWindowScreen(ScreenId id) {
    return id != ScreenId::GameMenu;
}

bool opensBesideMarket(ScreenId id) {
    return id == ScreenId::Buy || id == ScreenId::Sell;
}

// The buttons that lead back from a screen; closing its window presses the first one there is.
constexpr const char* kReturnCaptions[] = {"Continue", "Back", "Exit", "Close"};

}  // namespace

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
    switch (control.kind()) {
        case ControlKind::Label:
            if (auto* label = qobject_cast<ClickableLabel*>(widget)) {
                auto& l = static_cast<Label&>(control);
                connect(label, &ClickableLabel::clicked, this,
                        [this, id, &l] { perform(id, [&l] { l.click(); }); });
            }
            break;
        case ControlKind::Edit: {
            // Typing only changes the text; the screen reads it when a button is pressed.
            auto& e = static_cast<Edit&>(control);
            connect(qobject_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
                    [&e](const QString& text) { e.text = text.toStdString(); });
            break;
        }
        case ControlKind::Button: {
            auto& b = static_cast<Button&>(control);
            connect(qobject_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                    [this, id, &b] { perform(id, [&b] { b.click(); }); });
            break;
        }
        case ControlKind::ListBox: {
            auto& c = static_cast<Choice&>(control);
            connect(qobject_cast<QListWidget*>(widget), &QListWidget::currentRowChanged, this,
                    [this, id, &c](int row) { perform(id, [&c, row] { c.choose(row); }); });
            break;
        }
        case ControlKind::ComboBox: {
            auto& c = static_cast<Choice&>(control);
            connect(qobject_cast<QComboBox*>(widget), &QComboBox::activated, this,
                    [this, id, &c](int index) { perform(id, [&c, index] { c.choose(index); }); });
            break;
        }
        case ControlKind::RadioGroup: {
            auto& c = static_cast<Choice&>(control);
            connect(qobject_cast<RadioGroupBox*>(widget), &RadioGroupBox::chosen, this,
                    [this, id, &c](int index) { perform(id, [&c, index] { c.choose(index); }); });
            break;
        }
        case ControlKind::CheckBox: {
            auto& c = static_cast<CheckBox&>(control);
            connect(qobject_cast<QCheckBox*>(widget), &QCheckBox::clicked, this,
                    [this, id, &c](bool on) { perform(id, [&c, on] { c.toggle(on); }); });
            break;
        }
        case ControlKind::StringGrid: {
            auto& g = static_cast<StringGrid&>(control);
            auto* table = qobject_cast<QTableWidget*>(widget);
            connect(table, &QTableWidget::cellClicked, this, [this, id, &g](int row, int col) {
                perform(id, [&g, row, col] { g.click(col, row); });
            });
            // Moving through the grid with the keys chooses a row as a click does; a mouse
            // press moves the current cell too, but its click comes on release.
            connect(table, &QTableWidget::currentCellChanged, this,
                    [this, id, &g](int row, int col) {
                        if (QApplication::mouseButtons() != Qt::NoButton || row < 0) return;
                        perform(id, [&g, row, col] { g.click(col, row); });
                    });
            table->viewport()->installEventFilter(this);
            watchedGrids_.push_back({table->viewport(), table, id, &g});
            break;
        }
        case ControlKind::PageControl: {
            auto& p = static_cast<PageControl&>(control);
            connect(qobject_cast<QTabWidget*>(widget), &QTabWidget::currentChanged, this,
                    [this, id, &p](int page) { perform(id, [&p, page] { p.changeTo(page); }); });
            break;
        }
        case ControlKind::ProgressBar:
        case ControlKind::PopupMenu:  // shown and answered after the action that asks for it
            break;
    }
}

// A mouse button going down over a grid: the left button chooses the cell under the pointer
// first, the right one keeps the chosen cell; then the screen may ask for its pop-up menu.
bool FormBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QObject::eventFilter(watched, event);
    for (const WatchedGrid& g : watchedGrids_) {
        if (g.viewport != watched) continue;
        auto* press = static_cast<QMouseEvent*>(event);
        int row = -1, col = -1;
        if (press->button() == Qt::LeftButton) {
            const QModelIndex index = g.table->indexAt(press->position().toPoint());
            row = index.isValid() ? index.row() : -1;
            col = index.isValid() ? index.column() : -1;
        }
        popupShown_ = false;
        StringGrid* grid = g.grid;
        perform(g.id, [grid, row, col] { grid->mouseDown(col, row); });
        return popupShown_;  // a pop-up menu used the press up
    }
    return QObject::eventFilter(watched, event);
}

void FormBinder::perform(ScreenId origin, const std::function<void()>& action) {
    if (acting_) return;  // a box of the running action is open; nothing else can happen now
    acting_ = true;
    origin_ = origin;
    hasOrigin_ = true;
    shownDuringAction_.clear();
    game_.perform([&action] {
        try {
            action();
        } catch (const GameError&) {
            throw;
        } catch (const std::exception& e) {
            // Whatever went wrong, the action is undone rather than left half-done.
            throw GameError(e.what());
        }
    });
    acting_ = false;
    sync();
    shownDuringAction_.clear();
    hasOrigin_ = false;
    if (menuWasShown_ && !game_.isVisible(ScreenId::GameMenu)) {
        if (onMainMenuClosed) onMainMenuClosed();
        return;
    }
    showRequestedPopup(origin);
}

void FormBinder::showRequestedPopup(ScreenId origin) {
    for (int i = 0; i < kScreenCount; ++i)
        for (const Binding& b : bindings_[i]) {
            if (b.control->kind() != ControlKind::PopupMenu) continue;
            auto* menu = static_cast<PopupMenu*>(b.control);
            if (!menu->popupRequested) continue;
            popupShown_ = true;
            const QAction* chosen = static_cast<QMenu*>(b.widget)->exec(QCursor::pos());
            if (chosen == nullptr) {
                menu->popupRequested = false;  // dismissed: nothing chosen
                return;
            }
            const std::string item = chosen->objectName().toStdString();
            perform(origin, [menu, item] { menu->choose(item); });
            return;
        }
}

void FormBinder::closeRequested(ScreenId id) {
    if (acting_) return;
    if (id == ScreenId::GameMenu) {
        // Closing the main menu ends the program, as its "Close" button does.
        perform(id, [this] { game_.hide(ScreenId::GameMenu); });
        return;
    }
    // Any other window closes through its way back, so the game never loses its thread; a
    // screen without one (the ranking) stays open.
    for (const char* caption : kReturnCaptions)
        for (Control* c : game_.screen(id).controls()) {
            if (c->kind() != ControlKind::Button) continue;
            auto* b = static_cast<Button*>(c);
            if (b->caption == caption && b->enabled && b->visible) {
                perform(id, [b] { b->click(); });
                return;
            }
        }
}

void FormBinder::sync() {
    for (int i = 0; i < kScreenCount; ++i)
        syncScreen(static_cast<ScreenId>(i));
    syncWindows();
}

void FormBinder::syncScreen(ScreenId id) {
    windows_[static_cast<int>(id)]->setCaption(qs(game_.screen(id).caption));
    for (Binding& b : bindings_[static_cast<int>(id)]) {
        const QSignalBlocker quiet(b.widget);  // copying never reaches back into the game
        syncWidget(*b.control, b.widget, b.shownColour);
    }
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

void FormBinder::place(GameWindow* window, const std::vector<GameWindow*>& leaving) {
    const ScreenId id = window->screenId();
    if (opensBesideMarket(id)) {
        placeBesideMarket(window);
        return;
    }
    GameWindow* donor = nullptr;
    if (isWindowScreen(id)) {
        for (GameWindow* w : leaving)
            if (isWindowScreen(w->screenId()) && !opensBesideMarket(w->screenId())) {
                donor = w;
                break;
            }
        // Before a box in the middle of a hand-over the old window is still open: the window
        // the person acted in is the one being left.
        if (donor == nullptr && hasOrigin_ && isWindowScreen(origin_) &&
            !opensBesideMarket(origin_)) {
            GameWindow* from = windows_[static_cast<int>(origin_)];
            if (from != window && from->isVisible()) donor = from;
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

void FormBinder::placeBesideMarket(GameWindow* window) {
    GameWindow* market = windows_[static_cast<int>(ScreenId::MarketScr)];
    if (!market->isVisible()) {
        if (!placed_[static_cast<int>(window->screenId())]) centre(window);
        return;
    }
    const QRect area = market->screen()->availableGeometry();
    const QRect beside = market->frameGeometry();
    int x = beside.right() + 8;
    if (x + window->width() > area.right()) x = beside.left() - window->width() - 8;
    if (x < area.left()) x = area.right() - window->width();
    int y = beside.top();
    // The buy and sell windows can be open together: one above the other.
    for (ScreenId other : {ScreenId::Buy, ScreenId::Sell}) {
        GameWindow* w = windows_[static_cast<int>(other)];
        if (w != window && w->isVisible() && w->x() == x) y = w->frameGeometry().bottom() + 8;
    }
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

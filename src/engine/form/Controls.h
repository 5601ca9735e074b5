#pragma once

#include <any>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "Action.h"

namespace quorvex {

class Screen;

enum class ControlKind {
    Label,
    Edit,
    Button,
    ListBox,
    ComboBox,
    RadioGroup,
    CheckBox,
    StringGrid,
    PageControl,
    ProgressBar,
    PopupMenu,
};

const char* kindName(ControlKind kind);

using Handler = std::function<void()>;

// Declares, where a control is declared, that using it runs no handler of its own, and why: a
// choice or a tab that another control's handler reads when it needs it, or a button that does
// nothing at all. Every other button, clickable label, menu item and choice has a handler.
struct NoHandler {
    const char* why;
};
inline constexpr NoHandler kDoesNothing{"does nothing"};
inline constexpr NoHandler kReadByOthers{"read by another control's handler"};

// A control of a headless screen: it holds what the window shows and takes what the person
// does. The Qt layer finds the widget of the same name and copies the state across.
class Control {
public:
    Control(Screen& owner, std::string name, ControlKind kind);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Screen& owner() const { return owner_; }

    bool enabled = true;
    bool visible = true;

    // Whether the person's action of this kind is one this control takes (a click on a button,
    // a cell of a grid ...), and taking it: the selection moves, the handler runs. Only called
    // for an enabled, visible control of a visible screen.
    virtual bool takes(const Action& action) const = 0;
    virtual void take(const Action& action) = 0;

    // Whether the control runs a handler when used, or is declared as running none.
    virtual bool wired() const { return true; }

    // Everything the window shows of the control, so a stopped action can put it back exactly.
    virtual std::any remember() const = 0;
    virtual void recall(const std::any& memory) = 0;

private:
    Screen& owner_;
    std::string name_;
    ControlKind kind_;
};

// The remembering of a control's view, written once: each kind lists its view's fields.
template <typename Self>
class ControlWithView : public Control {
public:
    using Control::Control;
    std::any remember() const override {
        auto& self = const_cast<Self&>(static_cast<const Self&>(*this));
        return std::apply([](auto&... field) { return std::make_tuple(field...); },
                          std::tuple_cat(std::tie(self.enabled, self.visible), self.view()));
    }
    void recall(const std::any& memory) override {
        auto& self = static_cast<Self&>(*this);
        auto fields = std::tuple_cat(std::tie(self.enabled, self.visible), self.view());
        fields = std::any_cast<decltype(std::apply(
            [](auto&... field) { return std::make_tuple(field...); }, fields))>(memory);
    }
};

enum class FontColor { Default, White, Yellow };

// A text; a label with a handler can be clicked (the travel screen's planets).
class Label final : public ControlWithView<Label> {
public:
    Label(Screen& owner, std::string name, std::string text = {}, Handler onClick = {})
        : ControlWithView(owner, std::move(name), ControlKind::Label),
          text(std::move(text)),
          onClick(std::move(onClick)) {}
    std::string text;
    FontColor color = FontColor::Default;
    Handler onClick;
    bool clickable() const { return static_cast<bool>(onClick); }

    bool takes(const Action& a) const override {
        return a.kind == ActionKind::Click && clickable();
    }
    void take(const Action&) override { onClick(); }
    auto view() { return std::tie(text, color); }
};

// A one-line text field. The person's typing only changes the text; a handler reads it. Read-only
// ones show figures (the hub's).
class Edit final : public ControlWithView<Edit> {
public:
    Edit(Screen& owner, std::string name, std::string text = {}, bool readOnly = false)
        : ControlWithView(owner, std::move(name), ControlKind::Edit),
          text(std::move(text)),
          readOnly(readOnly) {}
    std::string text;
    bool readOnly;
    // The text as the journal last knew it: what the game set or what was last recorded.
    std::string journalled;

    bool takes(const Action& a) const override { return a.kind == ActionKind::Text && !readOnly; }
    void take(const Action& a) override { text = a.text; }
    auto view() { return std::tie(text, readOnly, journalled); }
};

// What a button does to the screen it is on, beyond its handler: the way back leads to the
// screen that opened this one (closing the window presses it).
enum class ButtonRole { Plain, WayBack };

class Button final : public ControlWithView<Button> {
public:
    Button(Screen& owner, std::string name, std::string caption, Handler onClick,
           ButtonRole role = ButtonRole::Plain);
    Button(Screen& owner, std::string name, std::string caption, NoHandler)
        : Button(owner, std::move(name), std::move(caption), Handler{}) {
        declaredInert_ = true;
    }
    std::string caption;
    Handler onClick;
    ButtonRole role() const { return role_; }

    bool takes(const Action& a) const override { return a.kind == ActionKind::Click; }
    void take(const Action&) override {
        if (onClick) onClick();
    }
    bool wired() const override { return onClick || declaredInert_; }
    auto view() { return std::tie(caption); }

private:
    ButtonRole role_;
    bool declaredInert_ = false;
};

// Shared by list boxes, drop-down lists and radio groups: a list of texts and the chosen index,
// -1 when nothing is chosen.
class Choice : public ControlWithView<Choice> {
public:
    Choice(Screen& owner, std::string name, ControlKind kind, std::string caption,
           std::vector<std::string> items, Handler onChange)
        : ControlWithView(owner, std::move(name), kind),
          caption(std::move(caption)),
          items(std::move(items)),
          onChange(std::move(onChange)) {}
    Choice(Screen& owner, std::string name, ControlKind kind, std::string caption,
           std::vector<std::string> items, NoHandler)
        : Choice(owner, std::move(name), kind, std::move(caption), std::move(items), Handler{}) {
        declaredInert_ = true;
    }
    std::string caption;
    std::vector<std::string> items;
    int itemIndex = -1;
    Handler onChange;
    std::string hint;  // tooltip

    const std::string& selectedText() const;

    bool takes(const Action& a) const override { return a.kind == ActionKind::Choose; }
    // The person picks an entry (-1 or one past the end for none); the handler runs.
    void take(const Action& a) override;
    bool wired() const override { return onChange || declaredInert_; }
    auto view() { return std::tie(caption, items, itemIndex, hint); }

private:
    bool declaredInert_ = false;
};

class ListBox final : public Choice {
public:
    template <typename H>
    ListBox(Screen& owner, std::string name, std::vector<std::string> items, H handler)
        : Choice(owner, std::move(name), ControlKind::ListBox, {}, std::move(items),
                 std::move(handler)) {}
};

class ComboBox final : public Choice {
public:
    template <typename H>
    ComboBox(Screen& owner, std::string name, std::vector<std::string> items, H handler)
        : Choice(owner, std::move(name), ControlKind::ComboBox, {}, std::move(items),
                 std::move(handler)) {}
};

class RadioGroup final : public Choice {
public:
    template <typename H>
    RadioGroup(Screen& owner, std::string name, std::string caption, std::vector<std::string> items,
               H handler)
        : Choice(owner, std::move(name), ControlKind::RadioGroup, std::move(caption),
                 std::move(items), std::move(handler)) {}
};

class CheckBox final : public ControlWithView<CheckBox> {
public:
    CheckBox(Screen& owner, std::string name, std::string caption, Handler onClick)
        : ControlWithView(owner, std::move(name), ControlKind::CheckBox),
          caption(std::move(caption)),
          onClick(std::move(onClick)) {}
    CheckBox(Screen& owner, std::string name, std::string caption, NoHandler)
        : CheckBox(owner, std::move(name), std::move(caption), Handler{}) {
        declaredInert_ = true;
    }
    std::string caption;
    bool checked = false;
    Handler onClick;

    bool takes(const Action& a) const override { return a.kind == ActionKind::Check; }
    void take(const Action& a) override {
        checked = a.index != 0;
        if (onClick) onClick();
    }
    bool wired() const override { return onClick || declaredInert_; }
    auto view() { return std::tie(caption, checked); }

private:
    bool declaredInert_ = false;
};

// A grid of texts. Cells are addressed (column, row) from 0; the first fixedRows rows hold
// headings and can never be chosen, so the chosen row is always a data row or -1 (none).
class StringGrid final : public ControlWithView<StringGrid> {
public:
    StringGrid(Screen& owner, std::string name, int colCount, int rowCount, int fixedRows = 1,
               int fixedCols = 0);
    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }

    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);
    // Every cell back to a single space, as the game blanks grids before refilling them.
    void blank();
    void blankRows(int fromRow);

    std::vector<int> colWidths;  // pixels; 0 for the window's own choice
    bool rowSelect = true;

    int row() const { return row_; }
    int col() const { return col_; }
    // Moves the choice to a cell. A heading row or a cell outside the grid leaves no row chosen:
    // whatever was chosen before is not what the person pointed at.
    void select(int col, int row);
    void clearSelection() { row_ = col_ = -1; }

    Handler onClick;      // a cell was clicked (after the choice moved)
    Handler onMouseDown;  // a mouse button went down over the grid (the market's pop-up)

    // A left click on a cell: the choice moves, then the mouse-down and click handlers run.
    // Any other button pressed over the grid: the mouse-down handler only.
    bool takes(const Action& a) const override {
        return a.kind == ActionKind::Cell || a.kind == ActionKind::Press;
    }
    void take(const Action& a) override;
    auto view() { return std::tie(cells_, row_, col_, colWidths, rowSelect); }

private:
    int colCount_, rowCount_, fixedRows_, fixedCols_;
    std::vector<std::string> cells_;
    int row_ = -1, col_ = -1;
};

class PageControl final : public ControlWithView<PageControl> {
public:
    PageControl(Screen& owner, std::string name, std::vector<std::string> tabs, Handler onChange)
        : ControlWithView(owner, std::move(name), ControlKind::PageControl),
          tabs(std::move(tabs)),
          onChange(std::move(onChange)) {}
    PageControl(Screen& owner, std::string name, std::vector<std::string> tabs, NoHandler)
        : PageControl(owner, std::move(name), std::move(tabs), Handler{}) {
        declaredInert_ = true;
    }
    std::vector<std::string> tabs;
    int activePage = 0;
    Handler onChange;

    bool takes(const Action& a) const override {
        return a.kind == ActionKind::Page && a.index >= 0 &&
               a.index < static_cast<int>(tabs.size());
    }
    void take(const Action& a) override {
        activePage = a.index;
        if (onChange) onChange();
    }
    bool wired() const override { return onChange || declaredInert_; }
    auto view() { return std::tie(tabs, activePage); }

private:
    bool declaredInert_ = false;
};

class ProgressBar final : public ControlWithView<ProgressBar> {
public:
    ProgressBar(Screen& owner, std::string name)
        : ControlWithView(owner, std::move(name), ControlKind::ProgressBar) {}
    int position = 0;
    int minimum = 0;
    int maximum = 100;

    bool takes(const Action&) const override { return false; }
    void take(const Action&) override {}
    auto view() { return std::tie(position, minimum, maximum); }
};

// A pop-up menu. It opens when a handler asks (popup()) and its items can be chosen only while
// it is open; the person's next action of any other kind closes it. An item is chosen by its
// name, as if it were a button of the screen. An item with an empty caption and no handler is a
// separator.
class PopupMenu final : public ControlWithView<PopupMenu> {
public:
    struct Item {
        std::string name;
        std::string caption;
        Handler onClick;
    };
    PopupMenu(Screen& owner, std::string name, std::vector<Item> items)
        : ControlWithView(owner, std::move(name), ControlKind::PopupMenu),
          items(std::move(items)) {}
    std::vector<Item> items;

    void popup() { open_ = shownAfterAction = true; }
    void close() { open_ = shownAfterAction = false; }
    bool isOpen() const { return open_; }
    // Set by popup(): the window shows the menu near the pointer once the action is done.
    bool shownAfterAction = false;

    const Item* item(const std::string& itemName) const;
    bool takes(const Action& a) const override;
    void take(const Action& a) override;
    bool wired() const override;
    auto view() { return std::tie(items, open_, shownAfterAction); }

private:
    bool open_ = false;
};

}  // namespace quorvex

namespace quorvex {

// The person's actions, named by the control they are done to (see Game::act).
Action actionClick(const Control& control);
Action actionText(const Edit& edit, std::string text);
Action actionChoose(const Choice& choice, int index);
Action actionCheck(const CheckBox& box, bool checked);
Action actionCell(const StringGrid& grid, int col, int row);
Action actionPress(const StringGrid& grid);
Action actionPage(const PageControl& pages, int page);
Action actionItem(const PopupMenu& menu, std::string item);

}  // namespace quorvex

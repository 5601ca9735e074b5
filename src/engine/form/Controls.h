#pragma once

#include <functional>
#include <string>
#include <vector>

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

// A control of a headless screen: it holds what the window shows and forwards what the person
// does. The Qt layer finds the widget of the same name and copies the state across.
class Control {
public:
    Control(Screen& owner, std::string name, ControlKind kind);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }

    bool enabled = true;
    bool visible = true;

private:
    std::string name_;
    ControlKind kind_;
};

enum class FontColor { Default, White, Yellow };

class Label final : public Control {
public:
    Label(Screen& owner, std::string name, std::string text = {})
        : Control(owner, std::move(name), ControlKind::Label), text(std::move(text)) {}
    std::string text;
    FontColor color = FontColor::Default;
    Handler onClick;  // most labels only show text; the travel screen's planets are clicked
    void click() {
        if (enabled && onClick) onClick();
    }
};

// A one-line text field (read-only ones show figures on the hub).
class Edit final : public Control {
public:
    Edit(Screen& owner, std::string name, std::string text = {}, bool readOnly = false)
        : Control(owner, std::move(name), ControlKind::Edit),
          text(std::move(text)),
          readOnly(readOnly) {}
    std::string text;
    bool readOnly;
};

class Button final : public Control {
public:
    Button(Screen& owner, std::string name, std::string caption)
        : Control(owner, std::move(name), ControlKind::Button), caption(std::move(caption)) {}
    std::string caption;
    Handler onClick;
    void click() {
        if (enabled && onClick) onClick();
    }
};

// Shared by list boxes, drop-down lists and radio groups: a list of texts and the chosen index,
// -1 when nothing is chosen.
class Choice : public Control {
public:
    Choice(Screen& owner, std::string name, ControlKind kind, std::string caption,
           std::vector<std::string> items)
        : Control(owner, std::move(name), kind),
          caption(std::move(caption)),
          items(std::move(items)) {}
    std::string caption;
    std::vector<std::string> items;
    int itemIndex = -1;
    Handler onChange;
    // The person picks an entry (-1 for none); the handler runs as the window's click would.
    void choose(int index) {
        if (!enabled) return;
        itemIndex = (index >= 0 && index < static_cast<int>(items.size())) ? index : -1;
        if (onChange) onChange();
    }
    const std::string& selectedText() const;
};

class ListBox final : public Choice {
public:
    ListBox(Screen& owner, std::string name, std::vector<std::string> items = {})
        : Choice(owner, std::move(name), ControlKind::ListBox, {}, std::move(items)) {}
};

class ComboBox final : public Choice {
public:
    ComboBox(Screen& owner, std::string name, std::vector<std::string> items = {})
        : Choice(owner, std::move(name), ControlKind::ComboBox, {}, std::move(items)) {}
    std::string hint;  // tooltip
};

class RadioGroup final : public Choice {
public:
    RadioGroup(Screen& owner, std::string name, std::string caption,
               std::vector<std::string> items = {})
        : Choice(owner, std::move(name), ControlKind::RadioGroup, std::move(caption),
                 std::move(items)) {}
};

class CheckBox final : public Control {
public:
    CheckBox(Screen& owner, std::string name, std::string caption)
        : Control(owner, std::move(name), ControlKind::CheckBox), caption(std::move(caption)) {}
    std::string caption;
    bool checked = false;
    Handler onClick;
    void toggle(bool value) {
        if (!enabled) return;
        checked = value;
        if (onClick) onClick();
    }
};

// A grid of texts. Cells are addressed (column, row) from 0; the first fixedRows rows hold
// headings and can never be selected, so a selected row is always a data row or -1 (none).
class StringGrid final : public Control {
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
    // The person clicks a cell; heading rows are not selectable and leave the selection alone.
    void select(int col, int row);
    void clearSelection() { row_ = col_ = -1; }

    Handler onClick;      // a cell was clicked (after the selection moved)
    Handler onMouseDown;  // any mouse button went down over the grid (the market's pop-up)
    void click(int col, int row) {
        if (!enabled) return;
        select(col, row);
        if (onClick) onClick();
    }
    void mouseDown(int col, int row) {
        if (!enabled) return;
        if (row >= 0) select(col, row);
        if (onMouseDown) onMouseDown();
    }

private:
    int colCount_, rowCount_, fixedRows_, fixedCols_;
    std::vector<std::string> cells_;
    int row_ = -1, col_ = -1;
};

class PageControl final : public Control {
public:
    PageControl(Screen& owner, std::string name, std::vector<std::string> tabs)
        : Control(owner, std::move(name), ControlKind::PageControl), tabs(std::move(tabs)) {}
    std::vector<std::string> tabs;
    int activePage = 0;
    Handler onChange;
    void changeTo(int page) {
        if (!enabled || page < 0 || page >= static_cast<int>(tabs.size())) return;
        activePage = page;
        if (onChange) onChange();
    }
};

class ProgressBar final : public Control {
public:
    ProgressBar(Screen& owner, std::string name)
        : Control(owner, std::move(name), ControlKind::ProgressBar) {}
    int position = 0;
    int minimum = 0;
    int maximum = 100;
};

// A pop-up menu; an item with an empty caption and no handler is a separator.
class PopupMenu final : public Control {
public:
    struct Item {
        std::string name;
        std::string caption;
        Handler onClick;
    };
    PopupMenu(Screen& owner, std::string name, std::vector<Item> items)
        : Control(owner, std::move(name), ControlKind::PopupMenu), items(std::move(items)) {}
    std::vector<Item> items;
    bool popupRequested = false;  // set by popup(); the window shows the menu near the pointer
    void popup() { popupRequested = true; }
    void choose(const std::string& itemName);
};

}  // namespace quorvex

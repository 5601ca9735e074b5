#include "Controls.h"

#include <array>

#include "../state/GameError.h"
#include "Screen.h"

namespace quorvex {

const char* kindName(ControlKind kind) {
    static constexpr std::array<const char*, 11> kNames = {
        "Label",    "Edit",       "Button",      "ListBox",     "ComboBox", "RadioGroup",
        "CheckBox", "StringGrid", "PageControl", "ProgressBar", "PopupMenu"};
    return kNames.at(static_cast<std::size_t>(kind));
}

const char* actionWord(ActionKind kind) {
    static constexpr std::array<const char*, 7> kWords = {"click", "text",  "choose", "check",
                                                          "cell",  "press", "page"};
    return kWords.at(static_cast<std::size_t>(kind));
}

Control::Control(Screen& owner, std::string name, ControlKind kind)
    : owner_(owner), name_(std::move(name)), kind_(kind) {
    owner.addControl(*this);
}

Button::Button(Screen& owner, std::string name, std::string caption, Handler onClick,
               ButtonRole role)
    : ControlWithView(owner, std::move(name), ControlKind::Button),
      caption(std::move(caption)),
      onClick(std::move(onClick)),
      role_(role) {
    if (role == ButtonRole::WayBack) owner.setWayBack(*this);
}

const std::string& Choice::selectedText() const {
    static const std::string none;
    return itemIndex >= 0 && itemIndex < static_cast<int>(items.size()) ? items[itemIndex] : none;
}

void Choice::take(const Action& a) {
    itemIndex = (a.index >= 0 && a.index < static_cast<int>(items.size())) ? a.index : -1;
    if (onChange) onChange();
}

StringGrid::StringGrid(Screen& owner, std::string name, int colCount, int rowCount, int fixedRows,
                       int fixedCols)
    : ControlWithView(owner, std::move(name), ControlKind::StringGrid),
      colWidths(colCount, 0),
      colCount_(colCount),
      rowCount_(rowCount),
      fixedRows_(fixedRows),
      fixedCols_(fixedCols),
      cells_(static_cast<std::size_t>(colCount * rowCount)) {}

const std::string& StringGrid::cell(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_)
        throw GameError(kRangeCheckError);
    return cells_[static_cast<std::size_t>(row * colCount_ + col)];
}

void StringGrid::setCell(int col, int row, std::string text) {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_)
        throw GameError(kRangeCheckError);
    cells_[static_cast<std::size_t>(row * colCount_ + col)] = std::move(text);
}

void StringGrid::blank() {
    for (auto& c : cells_)
        c = " ";
}

void StringGrid::blankRows(int fromRow) {
    for (int r = fromRow; r < rowCount_; ++r)
        for (int c = 0; c < colCount_; ++c)
            setCell(c, r, " ");
}

void StringGrid::select(int col, int row) {
    if (row < fixedRows_ || row >= rowCount_) {
        clearSelection();
        return;
    }
    row_ = row;
    col_ = (col >= fixedCols_ && col < colCount_) ? col : fixedCols_;
}

void StringGrid::take(const Action& a) {
    if (a.kind == ActionKind::Cell) select(a.col, a.row);
    if (onMouseDown) onMouseDown();
    if (a.kind == ActionKind::Cell && onClick) onClick();
}

const PopupMenu::Item* PopupMenu::item(const std::string& itemName) const {
    for (const Item& i : items)
        if (i.name == itemName && i.onClick) return &i;
    return nullptr;
}

bool PopupMenu::takes(const Action& a) const {
    return a.kind == ActionKind::Click && open_ && item(a.control) != nullptr;
}

void PopupMenu::take(const Action& a) {
    const Handler handler = item(a.control)->onClick;  // the menu closes before its item runs
    close();
    handler();
}

bool PopupMenu::wired() const {
    for (const Item& i : items)
        if (!i.onClick && !i.caption.empty()) return false;
    return true;
}

}  // namespace quorvex

namespace quorvex {

Action actionClick(const Control& c) {
    return Action::click(c.owner().id(), c.name());
}
Action actionText(const Edit& e, std::string text) {
    return Action::typed(e.owner().id(), e.name(), std::move(text));
}
Action actionChoose(const Choice& c, int index) {
    return Action::withIndex(c.owner().id(), c.name(), ActionKind::Choose, index);
}
Action actionCheck(const CheckBox& b, bool checked) {
    return Action::withIndex(b.owner().id(), b.name(), ActionKind::Check, checked ? 1 : 0);
}
Action actionCell(const StringGrid& g, int col, int row) {
    return Action::cell(g.owner().id(), g.name(), col, row);
}
Action actionPress(const StringGrid& g) {
    return {g.owner().id(), g.name(), ActionKind::Press};
}
Action actionPage(const PageControl& p, int page) {
    return Action::withIndex(p.owner().id(), p.name(), ActionKind::Page, page);
}
Action actionItem(const PopupMenu& m, std::string item) {
    return Action::click(m.owner().id(), std::move(item));
}

}  // namespace quorvex

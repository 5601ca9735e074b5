#include "Controls.h"

#include "../state/GameError.h"
#include "Screen.h"

namespace quorvex {

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return "Label";
        case ControlKind::Edit:
            return "Edit";
        case ControlKind::Button:
            return "Button";
        case ControlKind::ListBox:
            return "ListBox";
        case ControlKind::ComboBox:
            return "ComboBox";
        case ControlKind::RadioGroup:
            return "RadioGroup";
        case ControlKind::CheckBox:
            return "CheckBox";
        case ControlKind::StringGrid:
            return "StringGrid";
        case ControlKind::PageControl:
            return "PageControl";
        case ControlKind::ProgressBar:
            return "ProgressBar";
        case ControlKind::PopupMenu:
            return "PopupMenu";
    }
    return "?";
}

Control::Control(Screen& owner, std::string name, ControlKind kind)
    : name_(std::move(name)), kind_(kind) {
    owner.addControl(*this);
}

const std::string& Choice::selectedText() const {
    static const std::string none;
    return itemIndex >= 0 && itemIndex < static_cast<int>(items.size()) ? items[itemIndex] : none;
}

StringGrid::StringGrid(Screen& owner, std::string name, int colCount, int rowCount, int fixedRows,
                       int fixedCols)
    : Control(owner, std::move(name), ControlKind::StringGrid),
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
    if (row < fixedRows_ || row >= rowCount_) return;
    row_ = row;
    col_ = (col >= 0 && col < colCount_) ? col : fixedCols_;
}

void PopupMenu::choose(const std::string& itemName) {
    popupRequested = false;
    if (!enabled) return;
    for (auto& item : items)
        if (item.name == itemName && item.onClick) item.onClick();
}

}  // namespace quorvex

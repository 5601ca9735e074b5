#pragma once

#include <QStringList>

#include "WindowKit.h"

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace quorvex::ui {

// A framed group of radio buttons with at most one chosen, and none chosen when the game says
// so. The items fill the given number of columns, top to bottom.
class RadioGroupBox : public Panel {
    Q_OBJECT
public:
    explicit RadioGroupBox(int columns = 1, QWidget* parent = nullptr);

    QStringList items() const;
    void setItems(const QStringList& items);
    int checkedIndex() const;  // -1 when none
    void setCheckedIndex(int index);
    QRadioButton* button(int index) const;

signals:
    void chosen(int index);  // the person picked an item

private:
    int columns_;
    QGridLayout* grid_;
    QButtonGroup* group_;
};

}  // namespace quorvex::ui

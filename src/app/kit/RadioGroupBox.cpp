#include "RadioGroupBox.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace quorvex::ui {

RadioGroupBox::RadioGroupBox(int columns, QWidget* parent)
    : Panel(parent),
      columns_(columns < 1 ? 1 : columns),
      grid_(new QGridLayout(this)),
      group_(new QButtonGroup(this)) {
    group_->setExclusive(true);
    grid_->setContentsMargins(14, 16, 14, 10);
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroupBox::chosen);
}

QStringList RadioGroupBox::items() const {
    QStringList texts;
    for (QAbstractButton* b : group_->buttons())
        texts << b->property("plainText").toString();
    return texts;
}

void RadioGroupBox::setItems(const QStringList& items) {
    if (items == this->items()) return;
    for (QAbstractButton* b : group_->buttons()) {
        group_->removeButton(b);
        delete b;
    }
    const int rows = (static_cast<int>(items.size()) + columns_ - 1) / columns_;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(buttonText(items[i]), this);
        b->setProperty("plainText", items[i]);
        group_->addButton(b, i);
        grid_->addWidget(b, rows > 0 ? i % rows : 0, rows > 0 ? i / rows : 0);
    }
}

int RadioGroupBox::checkedIndex() const {
    return group_->checkedId();
}

// An exclusive group cannot have its checked button unchecked; lift the rule for a moment.
void RadioGroupBox::setCheckedIndex(int index) {
    if (index == checkedIndex()) return;
    if (QAbstractButton* b = group_->button(index)) {
        b->setChecked(true);
        return;
    }
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons())
        b->setChecked(false);
    group_->setExclusive(true);
}

QRadioButton* RadioGroupBox::button(int index) const {
    return qobject_cast<QRadioButton*>(group_->button(index));
}

}  // namespace quorvex::ui

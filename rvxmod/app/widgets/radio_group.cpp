#include "rvxmod/app/widgets/radio_group.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QRadioButton>

namespace rvxmod::app {

RadioGroup::RadioGroup(int itemCount, int columns, QWidget* parent) : QGroupBox(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setVerticalSpacing(0);
    for (int i = 0; i < itemCount; ++i) {
        auto* button = new QRadioButton(this);
        group_.addButton(button, i);
        layout->addWidget(button, i / columns, i % columns);
    }
    connect(&group_, &QButtonGroup::idClicked, this, &RadioGroup::chosen);
}

void RadioGroup::setTexts(const QString& title, const QStringList& items) {
    setTitle(title);
    for (int i = 0; i < items.size(); ++i)
        if (QAbstractButton* button = group_.button(i)) button->setText(items[i]);
}

void RadioGroup::setIndex(int index) {
    if (QAbstractButton* button = group_.button(index)) {
        button->setChecked(true);
        return;
    }
    group_.setExclusive(false);
    for (QAbstractButton* button : group_.buttons()) button->setChecked(false);
    group_.setExclusive(true);
}

}  // namespace rvxmod::app

#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace rvxmod::app {

// A titled group of radio items selected by index, like the option groups of the pages.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(int itemCount, int columns, QWidget* parent);

    // Title and item texts; called again when the interface language changes.
    void setTexts(const QString& title, const QStringList& items);
    int index() const { return group_.checkedId(); }
    // Selects an item without emitting chosen(); an index out of range clears the selection.
    void setIndex(int index);

Q_SIGNALS:
    // The person picked an item.
    void chosen(int index);

private:
    QButtonGroup group_;
};

}  // namespace rvxmod::app

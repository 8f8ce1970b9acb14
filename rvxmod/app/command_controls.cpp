#include "rvxmod/app/command_controls.h"

namespace rvxmod::app {

void CommandControls::add(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets) widgets_.emplace_back(widget);
}

void CommandControls::setEnabled(bool enabled) {
    for (const auto& widget : widgets_)
        if (widget) widget->setEnabled(enabled);
}

std::vector<QWidget*> CommandControls::widgets() const {
    std::vector<QWidget*> alive;
    for (const auto& widget : widgets_)
        if (widget) alive.push_back(widget);
    return alive;
}

}  // namespace rvxmod::app

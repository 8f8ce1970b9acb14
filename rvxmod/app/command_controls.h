#pragma once

#include <QPointer>
#include <QWidget>
#include <initializer_list>
#include <vector>

namespace rvxmod::app {

// Every control that can start a tool command or change a setting a running command uses. Pages
// register theirs once; EnableButtons switches them as one group.
class CommandControls {
public:
    void add(std::initializer_list<QWidget*> widgets);
    void setEnabled(bool enabled);
    std::vector<QWidget*> widgets() const;

private:
    std::vector<QPointer<QWidget>> widgets_;
};

}  // namespace rvxmod::app

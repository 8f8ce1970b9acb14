#pragma once

#include <QDialog>
#include "veltrix/app/qcustomplot_header.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace veltrix {

// "Edit Graph": shows or hides each series of a chart and sets its colour, line width and the
// title of its axis. Changes show at once.
class SeriesEditor final : public QDialog {
    Q_OBJECT
public:
    SeriesEditor(QCustomPlot& chart, QWidget* parent);

private:
    QCPAbstractPlottable* current() const;
    void showSeries();
    void chooseColour();
    void apply();

    QCustomPlot& chart_;
    QListWidget* series_;
    QCheckBox* visible_;
    QPushButton* colour_;
    QSpinBox* width_;
    QLineEdit* axisTitle_;
};

}  // namespace veltrix

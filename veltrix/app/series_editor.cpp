#include "veltrix/app/series_editor.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "common/text_catalogue.h"
#include "veltrix/app/data_chart.h"

namespace veltrix {
namespace {

QString text(const char* english) {
    return QString::fromStdString(rvx::trText("SeriesEditor", english));
}

void paintSwatch(QPushButton& button, const QColor& colour) {
    QPixmap swatch(32, 14);
    swatch.fill(colour);
    button.setIcon(QIcon(swatch));
    button.setIconSize(swatch.size());
}

}  // namespace

SeriesEditor::SeriesEditor(QCustomPlot& chart, QWidget* parent)
    : QDialog(parent),
      chart_(chart),
      series_(new QListWidget(this)),
      visible_(new QCheckBox(text("Visible"), this)),
      colour_(new QPushButton(text("Colour..."), this)),
      width_(new QSpinBox(this)),
      axisTitle_(new QLineEdit(this)) {
    setWindowTitle(text("Edit Graph"));
    for (int i = 0; i < chart.plottableCount(); ++i) series_->addItem(chart.plottable(i)->name());
    width_->setRange(0, 10);

    auto* properties = new QFormLayout;
    properties->addRow(visible_);
    properties->addRow(text("Colour"), colour_);
    properties->addRow(text("Line width"), width_);
    properties->addRow(text("Axis title"), axisTitle_);
    auto* columns = new QHBoxLayout;
    columns->addWidget(series_);
    columns->addLayout(properties);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    connect(series_, &QListWidget::currentRowChanged, this, &SeriesEditor::showSeries);
    connect(colour_, &QPushButton::clicked, this, &SeriesEditor::chooseColour);
    connect(visible_, &QCheckBox::toggled, this, &SeriesEditor::apply);
    connect(width_, &QSpinBox::valueChanged, this, &SeriesEditor::apply);
    connect(axisTitle_, &QLineEdit::textEdited, this, &SeriesEditor::apply);
    series_->setCurrentRow(0);
}

QCPAbstractPlottable* SeriesEditor::current() const {
    const int row = series_->currentRow();
    return row >= 0 && row < chart_.plottableCount() ? chart_.plottable(row) : nullptr;
}

void SeriesEditor::showSeries() {
    QCPAbstractPlottable* plottable = current();
    if (!plottable) return;
    const QSignalBlocker blockVisible(visible_);
    const QSignalBlocker blockWidth(width_);
    visible_->setChecked(plottable->visible());
    width_->setValue(plottable->pen().width());
    axisTitle_->setText(DataChart::ownAxis(*plottable)->label());
    paintSwatch(*colour_, plottable->pen().color());
}

void SeriesEditor::chooseColour() {
    QCPAbstractPlottable* plottable = current();
    if (!plottable) return;
    const QColor colour = QColorDialog::getColor(plottable->pen().color(), this);
    if (!colour.isValid()) return;
    QPen pen = plottable->pen();
    pen.setColor(colour);
    plottable->setPen(pen);
    paintSwatch(*colour_, colour);
    chart_.replot();
}

void SeriesEditor::apply() {
    QCPAbstractPlottable* plottable = current();
    if (!plottable) return;
    plottable->setVisible(visible_->isChecked());
    QPen pen = plottable->pen();
    pen.setWidth(width_->value());
    plottable->setPen(pen);
    DataChart::ownAxis(*plottable)->setLabel(axisTitle_->text());
    chart_.replot();
}

}  // namespace veltrix

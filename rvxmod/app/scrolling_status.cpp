#include "rvxmod/app/scrolling_status.h"

#include <QPainter>

namespace rvxmod::app {

ScrollingStatus::ScrollingStatus(QWidget* parent) : QWidget(parent) {
    timer_.setInterval(kStepMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &ScrollingStatus::step);
}

void ScrollingStatus::ActivateScrollBarStatus(const QString& text) {
    text_ = text;
    step_ = 0;
    timer_.start();
    update();
}

void ScrollingStatus::DeActivateScrollBarStatus() {
    timer_.stop();
    text_.clear();
    update();
}

QSize ScrollingStatus::sizeHint() const {
    return {100, fontMetrics().height() + 6};
}

void ScrollingStatus::step() {
    step_ = (step_ + 1) % kStepsPerPass;
    update();
}

void ScrollingStatus::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (text_.isEmpty()) return;
    // One pass carries the text from just beyond the right edge to just beyond the left one.
    const int travel = width() + painter.fontMetrics().horizontalAdvance(text_);
    const int x = width() - travel * step_ / kStepsPerPass;
    painter.setClipRect(rect().adjusted(1, 1, -1, -1));
    painter.drawText(QRect(x, 0, travel, height()), Qt::AlignVCenter | Qt::AlignLeft, text_);
}

}  // namespace rvxmod::app

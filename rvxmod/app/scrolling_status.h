#pragma once

#include <QTimer>
#include <QWidget>

namespace rvxmod::app {

// The status line under the navigation column: the text runs from right to left, one pass in
// 350 steps of 25 ms, and starts over until the line is stopped.
class ScrollingStatus : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStepMilliseconds = 25;
    static constexpr int kStepsPerPass = 350;

    explicit ScrollingStatus(QWidget* parent);

    void ActivateScrollBarStatus(const QString& text);
    void DeActivateScrollBarStatus();
    QString text() const { return text_; }
    bool isRunning() const { return timer_.isActive(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void step();

    QTimer timer_;
    QString text_;
    int step_ = 0;
};

}  // namespace rvxmod::app

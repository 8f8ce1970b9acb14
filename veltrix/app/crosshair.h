#pragma once

#include <QObject>
#include <QPointer>
#include "veltrix/app/qcustomplot_header.h"

namespace veltrix {

// A cursor of crossing lines that follows the mouse over one chart. It draws on a layer of its
// own, so following the mouse repaints the two lines and never the data.
class Crosshair final : public QObject {
    Q_OBJECT
public:
    enum class Lines { HorizontalOnly, Both };

    Crosshair(QCustomPlot& chart, Lines lines);
    ~Crosshair() override;
    Crosshair(const Crosshair&) = delete;
    Crosshair& operator=(const Crosshair&) = delete;

private:
    void follow(QMouseEvent* event);

    QPointer<QCustomPlot> chart_;
    QCPLayer* layer_ = nullptr;
    QCPItemStraightLine* horizontal_ = nullptr;
    QCPItemStraightLine* vertical_ = nullptr;
};

}  // namespace veltrix

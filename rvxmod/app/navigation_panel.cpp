#include "rvxmod/app/navigation_panel.h"

#include <QGraphicsDropShadowEffect>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "rvxmod/app/bgr_colour.h"

namespace rvxmod::app {

NavigationPanel::NavigationPanel(const QIcon& icon, QWidget* parent)
    : QFrame(parent), button_(new QToolButton(this)), label_(new QLabel(this)) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    button_->setIcon(icon);
    button_->setIconSize(QSize(32, 32));
    button_->setAutoRaise(true);
    label_->setAlignment(Qt::AlignCenter);
    QFont font = label_->font();
    font.setBold(true);
    label_->setFont(font);
    label_->installEventFilter(this);
    // The label colour is nearly white: a dark outline keeps it readable on the light panels.
    auto* outline = new QGraphicsDropShadowEffect(label_);
    outline->setBlurRadius(3);
    outline->setOffset(1, 1);
    outline->setColor(QColor(40, 40, 40));
    label_->setGraphicsEffect(outline);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    layout->addWidget(button_, 0, Qt::AlignHCenter);
    layout->addWidget(label_);
    connect(button_, &QToolButton::clicked, this, &NavigationPanel::clicked);
}

void NavigationPanel::setText(const QString& text) {
    label_->setText(text);
    button_->setToolTip(text);
}

void NavigationPanel::setPanelColour(int bgr) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, bgrColour(bgr));
    setPalette(colours);
}

void NavigationPanel::setLabelColour(int bgr) {
    QPalette colours = label_->palette();
    colours.setColor(QPalette::WindowText, bgrColour(bgr));
    label_->setPalette(colours);
}

void NavigationPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        button_->click();
    QFrame::mouseReleaseEvent(event);
}

bool NavigationPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        button_->click();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace rvxmod::app

#pragma once

#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace rvxmod::app {

// One entry of the navigation column: an image button with a label under it. A click on the
// panel or on its label counts as a click on the button.
class NavigationPanel : public QFrame {
    Q_OBJECT
public:
    NavigationPanel(const QIcon& icon, QWidget* parent);

    void setText(const QString& text);
    void setPanelColour(int bgr);
    void setLabelColour(int bgr);
    QToolButton* button() const { return button_; }
    QLabel* label() const { return label_; }

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* button_;
    QLabel* label_;
};

}  // namespace rvxmod::app

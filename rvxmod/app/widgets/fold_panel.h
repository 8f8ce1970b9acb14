#pragma once

#include <QPushButton>
#include <QWidget>

namespace rvxmod::app {

// A panel that folds down to its caption bar. The caption starts with "v" when folded and "^"
// when open; what opening one panel does to the others is up to the page that holds them.
class FoldPanel : public QWidget {
    Q_OBJECT
public:
    FoldPanel(QWidget* content, QWidget* parent);

    void setTitle(const QString& title);
    bool isOpen() const { return open_; }
    void setOpen(bool open);
    QPushButton* caption() const { return caption_; }

Q_SIGNALS:
    void captionClicked();

private:
    void showCaption();

    QPushButton* caption_;
    QWidget* content_;
    QString title_;
    bool open_ = false;
};

}  // namespace rvxmod::app

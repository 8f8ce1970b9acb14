#pragma once

#include <QVBoxLayout>
#include <QWidget>

namespace rvxmod::app {

// The Program page; the sampling program editor and the battery calculator fill content().
class TFormProgram : public QWidget {
    Q_OBJECT
public:
    explicit TFormProgram(QWidget* parent);

    QVBoxLayout* content() const { return content_; }

private:
    QVBoxLayout* content_;
};

}  // namespace rvxmod::app

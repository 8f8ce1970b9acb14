#pragma once

#include <QLabel>
#include <QWidget>

namespace rvxmod::app {

inline constexpr const char* kProductVersion = "1.25";

// The About page: product, version, release date and where to get support.
class TFormAbout : public QWidget {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    QLabel* product_;
    QLabel* version_;
    QLabel* releaseDate_;
    QLabel* support_;
};

}  // namespace rvxmod::app

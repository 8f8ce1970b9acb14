#pragma once

#include <QLabel>
#include <QWidget>
#include "rvxmod/app/widgets/retranslated.h"

namespace rvxmod::app {

inline constexpr const char* kProductVersion = "1.25";

// The About page: product, version, release date and where to get support.
class TFormAbout : public Retranslated<QWidget> {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent);

private:
    void retranslateUi() override;

    QLabel* product_;
    QLabel* version_;
    QLabel* releaseDate_;
    QLabel* support_;
};

}  // namespace rvxmod::app

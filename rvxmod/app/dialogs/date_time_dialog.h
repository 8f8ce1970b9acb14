#pragma once

#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <optional>

#include "common/date_time.h"
#include "rvxmod/app/widgets/retranslated.h"

namespace rvxmod::app {

class SoundList;

// The Date and Time form: a date and a time of day that together make one date-time.
class DateTimeDialog : public Retranslated<QDialog> {
    Q_OBJECT
public:
    DateTimeDialog(SoundList& sounds, QWidget* parent);

    // Shows the prompt with the proposed value; nothing when the person cancels.
    std::optional<rvx::DateTime> ask(const QString& prompt, rvx::DateTime proposed);

private:
    void retranslateUi() override;

    SoundList& sounds_;
    QLabel* prompt_;
    QDateEdit* date_;
    QTimeEdit* time_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace rvxmod::app

#include "rvxmod/app/dialogs/date_time_dialog.h"

#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "rvxmod/app/sound_list.h"

namespace rvxmod::app {
namespace {
QDateTime toQDateTime(rvx::DateTime value) {
    const rvx::CivilDateTime civil = rvx::decodeDateTime(value);
    return {QDate(civil.year, civil.month, civil.day),
            QTime(civil.hour, civil.minute, civil.second, civil.millisecond)};
}

rvx::DateTime fromQDateTime(const QDate& date, const QTime& time) {
    return rvx::encodeDateTime({date.year(), date.month(), date.day(), time.hour(), time.minute(),
                                time.second(), time.msec()});
}
}  // namespace

DateTimeDialog::DateTimeDialog(SoundList& sounds, QWidget* parent)
    : Retranslated(parent),
      sounds_(sounds),
      prompt_(new QLabel(this)),
      date_(new QDateEdit(QDate::currentDate(), this)),
      time_(new QTimeEdit(QTime::currentTime(), this)),
      ok_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
    setModal(true);
    prompt_->setWordWrap(true);
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    time_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    ok_->setDefault(true);

    auto* pickers = new QHBoxLayout;
    pickers->addWidget(date_);
    pickers->addWidget(time_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addLayout(pickers);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, [this] {
        sounds_.play(SoundItem::Click);
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    retranslateUi();
}

std::optional<rvx::DateTime> DateTimeDialog::ask(const QString& prompt, rvx::DateTime proposed) {
    prompt_->setText(prompt);
    const QDateTime shown = toQDateTime(proposed);
    date_->setDate(shown.date());
    time_->setTime(shown.time());
    if (exec() != QDialog::Accepted) return std::nullopt;
    return fromQDateTime(date_->date(), time_->time());
}

void DateTimeDialog::retranslateUi() {
    setWindowTitle(tr("Date and Time"));
    ok_->setText(tr("OK"));
    cancel_->setText(tr("Cancel"));
}

}  // namespace rvxmod::app

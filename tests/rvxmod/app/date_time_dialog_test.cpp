#include <QApplication>
#include <QDateEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QtTest>

#include "common/date_time.h"
#include "rvxmod/app/dialogs/date_time_dialog.h"
#include "rvxmod/app/sound_list.h"

namespace rvxmod::app {

class DateTimeDialogTest : public QObject {
    Q_OBJECT

private:
    // Closes the next modal dialog with the push button of this caption, after an optional edit.
    static void closeWith(const QString& caption, std::function<void(QWidget*)> edit = {}) {
        QTimer::singleShot(0, [caption, edit] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            if (edit) edit(dialog);
            for (auto* button : dialog->findChildren<QPushButton*>())
                if (button->text() == caption) button->click();
        });
    }

private Q_SLOTS:
    void okGivesTheDayPlusTheTimeOfDay() {
        SoundList sounds;
        DateTimeDialog dialog(sounds, nullptr);
        const rvx::DateTime proposed = rvx::encodeDateTime({2024, 2, 29, 23, 59, 58, 0});
        closeWith("OK");
        const auto kept = dialog.ask("Start of job", proposed);
        QVERIFY(kept);
        QCOMPARE(*kept, proposed);

        closeWith("OK", [](QWidget* shown) {
            shown->findChild<QDateEdit*>()->setDate(QDate(1899, 12, 31));
            shown->findChild<QTimeEdit*>()->setTime(QTime(6, 0));
        });
        const auto edited = dialog.ask("Start of job", proposed);
        QVERIFY(edited);
        QCOMPARE(*edited, 1.25);
    }

    void cancelGivesNothing() {
        SoundList sounds;
        DateTimeDialog dialog(sounds, nullptr);
        closeWith("Cancel");
        QVERIFY(!dialog.ask("Start of job", 45000.5));
    }
};

}  // namespace rvxmod::app

QTEST_MAIN(rvxmod::app::DateTimeDialogTest)
#include "date_time_dialog_test.moc"

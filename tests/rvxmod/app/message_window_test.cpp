#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "rvxmod/app/dialogs/message_window.h"
#include "rvxmod/app/sound_list.h"

namespace rvxmod::app {

// What the person saw when the message window was up.
struct Seen {
    QString caption;
    QString text;
    QStringList buttons;  // visible buttons, by caption
};

class MessageWindowTest : public QObject {
    Q_OBJECT

private:
    // Answers the next modal message with the button of this object name (empty: Escape).
    static void answerWith(const QString& button, Seen& seen) {
        QTimer::singleShot(0, [button, &seen] {
            QWidget* window = QApplication::activeModalWidget();
            QVERIFY(window);
            seen.caption = window->windowTitle();
            seen.text = window->findChild<QPlainTextEdit*>()->toPlainText();
            seen.buttons.clear();
            for (auto* shown : window->findChildren<QPushButton*>())
                if (shown->isVisible()) seen.buttons << shown->text();
            if (button.isEmpty())
                QTest::keyClick(window, Qt::Key_Escape);
            else
                window->findChild<QPushButton*>(button)->click();
        });
    }

private Q_SLOTS:
    void operationsShowTheirCaptionAndButtons_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("error") << 0 << "Error " << QStringList{"OK"};
        QTest::newRow("warning") << 1 << "Warning" << QStringList{"OK"};
        QTest::newRow("notice") << 2 << "Warning" << QStringList{"OK"};
        QTest::newRow("yes/no") << 3 << "" << QStringList{"Yes", "No"};
        QTest::newRow("yes/cancel") << 4 << "" << QStringList{"Yes", "Cancel"};
    }

    void operationsShowTheirCaptionAndButtons() {
        QFETCH(int, operation);
        QFETCH(QString, caption);
        QFETCH(QStringList, buttons);
        SoundList sounds;
        TFormMessageWindow window(sounds, nullptr);
        const std::function<void(const QString&)> operations[] = {
            [&](const QString& t) { window.showMessageError(t); },
            [&](const QString& t) { window.showMessageWarning(t); },
            [&](const QString& t) { window.showMessageDlgOK(t); },
            [&](const QString& t) { window.showMessageDlgYN(t); },
            [&](const QString& t) { window.showMessageDlgYESCANCEL(t); },
        };
        Seen seen;
        answerWith(buttons.size() == 1 ? "ButtonOK" : "ButtonYes", seen);
        operations[operation]("Tool not responding.");
        QCOMPARE(seen.caption, caption);
        QCOMPARE(seen.text, QString("Tool not responding."));
        QCOMPARE(seen.buttons, buttons);
        for (auto* button : window.findChildren<QPushButton*>())
            QVERIFY2(button->isHidden(), "buttons are hidden between uses");
    }

    void onlyYesAnswersAQuestionWithTrue() {
        SoundList sounds;
        TFormMessageWindow window(sounds, nullptr);
        Seen seen;
        answerWith("ButtonYes", seen);
        QVERIFY(window.showMessageDlgYN("Erase all jobs?"));
        answerWith("ButtonCancel", seen);
        QVERIFY2(!window.showMessageDlgYN("Erase all jobs?"), "No after a previous Yes");
        answerWith("ButtonYes", seen);
        QVERIFY(window.showMessageDlgYESCANCEL("Overwrite?"));
        answerWith(QString(), seen);
        QVERIFY2(!window.showMessageDlgYESCANCEL("Overwrite?"), "closed without an answer");
    }
};

}  // namespace rvxmod::app

QTEST_MAIN(rvxmod::app::MessageWindowTest)
#include "message_window_test.moc"

#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include "rvxmod/app/widgets/retranslated.h"

namespace rvxmod::app {

class SoundList;

// The program's own modal message box. Every message of the program goes through one of the
// five operations; each plays the message sound, shows the text and waits for the person.
class TFormMessageWindow : public Retranslated<QDialog> {
    Q_OBJECT
public:
    TFormMessageWindow(SoundList& sounds, QWidget* parent);

    void showMessageError(const QString& text);
    void showMessageWarning(const QString& text);
    void showMessageDlgOK(const QString& text);
    // Questions: true only when Yes closed the window.
    bool showMessageDlgYN(const QString& text);
    bool showMessageDlgYESCANCEL(const QString& text);

    // Restores the size the window has in a fresh start (after a language change).
    void resetSize();

private:
    enum class Icon { Error = 0, Warning = 1, Question = 2 };
    enum class Buttons { Ok, YesCancel };

    void run(const QString& caption, Icon icon, Buttons buttons, const QString& text);
    void retranslateUi() override;

    SoundList& sounds_;
    QLabel* icon_;
    QPlainTextEdit* text_;
    QPushButton* yes_;
    QPushButton* cancel_;
    QPushButton* ok_;
    bool yesFlag_ = false;
};

}  // namespace rvxmod::app

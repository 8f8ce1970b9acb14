#include "rvxmod/app/dialogs/message_window.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

#include "rvxmod/app/sound_list.h"

namespace rvxmod::app {
namespace {
constexpr QSize kWindowSize(380, 170);

QPixmap iconPixmap(QStyle::StandardPixmap which) {
    return QApplication::style()->standardIcon(which).pixmap(32, 32);
}
}  // namespace

TFormMessageWindow::TFormMessageWindow(SoundList& sounds, QWidget* parent)
    : Retranslated(parent),
      sounds_(sounds),
      icon_(new QLabel(this)),
      text_(new QPlainTextEdit(this)),
      yes_(new QPushButton(this)),
      cancel_(new QPushButton(this)),
      ok_(new QPushButton(this)) {
    setObjectName(QStringLiteral("FormMessageWindow"));
    setModal(true);
    icon_->setFixedSize(32, 32);
    text_->setReadOnly(true);
    text_->setFrameShape(QFrame::NoFrame);
    text_->viewport()->setAutoFillBackground(false);
    yes_->setObjectName(QStringLiteral("ButtonYes"));
    cancel_->setObjectName(QStringLiteral("ButtonCancel"));
    ok_->setObjectName(QStringLiteral("ButtonOK"));

    auto* message = new QHBoxLayout;
    message->addWidget(icon_, 0, Qt::AlignTop);
    message->addWidget(text_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {yes_, cancel_, ok_}) {
        button->setMinimumWidth(80);
        button->setVisible(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message, 1);
    layout->addLayout(buttons);

    connect(yes_, &QPushButton::clicked, this, [this] {
        yesFlag_ = true;
        yes_->hide();
        cancel_->hide();
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        yesFlag_ = false;
        yes_->hide();
        cancel_->hide();
        reject();
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        ok_->hide();
        accept();
    });
    retranslateUi();
    resetSize();
}

void TFormMessageWindow::resetSize() {
    resize(kWindowSize);
}

void TFormMessageWindow::showMessageError(const QString& text) {
    run(tr("Error "), Icon::Error, Buttons::Ok, text);
}

void TFormMessageWindow::showMessageWarning(const QString& text) {
    run(tr("Warning"), Icon::Warning, Buttons::Ok, text);
}

void TFormMessageWindow::showMessageDlgOK(const QString& text) {
    run(tr("Warning"), Icon::Question, Buttons::Ok, text);
}

bool TFormMessageWindow::showMessageDlgYN(const QString& text) {
    cancel_->setText(tr("No"));
    run(QString(), Icon::Question, Buttons::YesCancel, text);
    return yesFlag_;
}

bool TFormMessageWindow::showMessageDlgYESCANCEL(const QString& text) {
    cancel_->setText(tr("Cancel"));
    run(QString(), Icon::Question, Buttons::YesCancel, text);
    return yesFlag_;
}

void TFormMessageWindow::run(const QString& caption, Icon icon, Buttons buttons,
                             const QString& text) {
    static constexpr QStyle::StandardPixmap kIcons[] = {
        QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxQuestion};
    sounds_.play(SoundItem::MessageOpens);
    text_->clear();
    text_->setPlainText(text);
    setWindowTitle(caption);
    icon_->setPixmap(iconPixmap(kIcons[static_cast<int>(icon)]));
    // Anything but Yes (Cancel, Escape, the close box) answers a question with No.
    yesFlag_ = false;
    const bool question = buttons == Buttons::YesCancel;
    yes_->setVisible(question);
    cancel_->setVisible(question);
    ok_->setVisible(!question);
    (question ? yes_ : ok_)->setDefault(true);
    exec();
    yes_->hide();
    cancel_->hide();
    ok_->hide();
    icon_->clear();
}

void TFormMessageWindow::retranslateUi() {
    yes_->setText(tr("Yes"));
    cancel_->setText(tr("Cancel"));
    ok_->setText(tr("OK"));
}

}  // namespace rvxmod::app

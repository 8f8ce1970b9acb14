#include "rvxmod/app/qt_user_port.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QStringList>
#include <QThread>
#include <type_traits>

#include "rvxmod/app/dialogs/date_time_dialog.h"
#include "rvxmod/app/dialogs/message_window.h"
#include "rvxmod/app/main_window.h"
#include "rvxmod/app/scrolling_status.h"

namespace rvxmod::app {
namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Runs the call on the thread of the window, waiting for it when called from another thread.
template <class Call>
auto onWindowThread(QObject& window, Call call) -> std::invoke_result_t<Call> {
    using Answer = std::invoke_result_t<Call>;
    if (QThread::currentThread() == window.thread()) return call();
    if constexpr (std::is_void_v<Answer>) {
        QMetaObject::invokeMethod(&window, call, Qt::BlockingQueuedConnection);
    } else {
        Answer answer{};
        QMetaObject::invokeMethod(
            &window, [&] { answer = call(); }, Qt::BlockingQueuedConnection);
        return answer;
    }
}

std::optional<std::string> chosenPath(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

QString filterText(const rvx::FileChoice& choice) {
    QStringList filters;
    for (const std::string& filter : choice.filters) filters << QString::fromStdString(filter);
    return filters.join(QStringLiteral(";;"));
}

}  // namespace

void QtUserPort::showError(std::string_view text) {
    onWindowThread(window_, [&] { window_.messageWindow().showMessageError(qText(text)); });
}

void QtUserPort::showWarning(std::string_view text) {
    onWindowThread(window_, [&] { window_.messageWindow().showMessageWarning(qText(text)); });
}

void QtUserPort::showNotice(std::string_view text) {
    onWindowThread(window_, [&] { window_.messageWindow().showMessageDlgOK(qText(text)); });
}

bool QtUserPort::askYesNo(std::string_view text) {
    return onWindowThread(window_,
                          [&] { return window_.messageWindow().showMessageDlgYN(qText(text)); });
}

bool QtUserPort::askYesCancel(std::string_view text) {
    return onWindowThread(
        window_, [&] { return window_.messageWindow().showMessageDlgYESCANCEL(qText(text)); });
}

std::optional<std::string> QtUserPort::chooseOpenFile(const rvx::FileChoice& choice) {
    return onWindowThread(window_, [&] {
        return chosenPath(QFileDialog::getOpenFileName(
            &window_, qText(choice.title), qText(choice.initialPath), filterText(choice)));
    });
}

std::optional<std::string> QtUserPort::chooseSaveFile(const rvx::FileChoice& choice) {
    return onWindowThread(window_, [&] {
        return chosenPath(QFileDialog::getSaveFileName(
            &window_, qText(choice.title), qText(choice.initialPath), filterText(choice)));
    });
}

std::optional<std::string> QtUserPort::chooseFolder(const rvx::FileChoice& choice) {
    return onWindowThread(window_, [&] {
        return chosenPath(QFileDialog::getExistingDirectory(&window_, qText(choice.title),
                                                            qText(choice.initialPath)));
    });
}

std::optional<rvx::DateTime> QtUserPort::askDateTime(std::string_view prompt,
                                                     rvx::DateTime proposed) {
    return onWindowThread(window_,
                          [&] { return window_.dateTimeDialog().ask(qText(prompt), proposed); });
}

std::optional<std::string> QtUserPort::askText(std::string_view prompt, std::string_view proposed) {
    return onWindowThread(window_, [&]() -> std::optional<std::string> {
        bool accepted = false;
        const QString text = QInputDialog::getText(&window_, window_.windowTitle(), qText(prompt),
                                                   QLineEdit::Normal, qText(proposed), &accepted);
        if (!accepted) return std::nullopt;
        return text.toStdString();
    });
}

void QtUserPort::setStatus(std::string_view text) {
    onWindowThread(window_, [&] {
        if (text.empty())
            window_.statusLine().DeActivateScrollBarStatus();
        else
            window_.statusLine().ActivateScrollBarStatus(qText(text));
    });
}

void QtUserPort::setProgress(int value, int maximum) {
    onWindowThread(window_, [&] { window_.setProgress(value, maximum); });
}

void QtUserPort::playSound(int index) {
    onWindowThread(window_, [&] { window_.sounds().play(index); });
}

void QtUserPort::setCommandsEnabled(bool enabled) {
    onWindowThread(window_, [&] { window_.setBusy(!enabled); });
}

}  // namespace rvxmod::app

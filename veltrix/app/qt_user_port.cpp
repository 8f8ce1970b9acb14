#include "veltrix/app/qt_user_port.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

#include "common/text_catalogue.h"
#include "veltrix/app/date_time_conversion.h"

namespace veltrix {
namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// File-not-found messages carry their own caption; other errors the generic one.
QString errorCaption(std::string_view text) {
    return toQString(text).trimmed().endsWith(QStringLiteral("not found"))
               ? QString::fromStdString(rvx::trText("Veltrix", "Open Error"))
               : QString::fromStdString(rvx::trText("Veltrix", "Error"));
}

QString confirmCaption() {
    return QString::fromStdString(rvx::trText("Veltrix", "Confirm"));
}

QString filterText(const rvx::FileChoice& choice) {
    QStringList filters;
    for (const std::string& filter : choice.filters) filters << QString::fromStdString(filter);
    return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

void QtUserPort::showError(std::string_view text) {
    QMessageBox::critical(parent_, errorCaption(text), toQString(text));
}

void QtUserPort::showWarning(std::string_view text) {
    QMessageBox::warning(parent_, QString::fromStdString(rvx::trText("Veltrix", "Warning")),
                         toQString(text));
}

void QtUserPort::showNotice(std::string_view text) {
    QMessageBox::information(parent_, QString::fromStdString(rvx::trText("Veltrix", "Information")),
                             toQString(text));
}

bool QtUserPort::askYesNo(std::string_view text) {
    return QMessageBox::question(parent_, confirmCaption(), toQString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtUserPort::askYesCancel(std::string_view text) {
    return QMessageBox::question(parent_, confirmCaption(), toQString(text),
                                 QMessageBox::Yes | QMessageBox::Cancel) == QMessageBox::Yes;
}

YesNoCancel QtUserPort::askYesNoCancel(std::string_view text) {
    switch (QMessageBox::question(parent_, confirmCaption(), toQString(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return YesNoCancel::Yes;
        case QMessageBox::No:
            return YesNoCancel::No;
        default:
            return YesNoCancel::Cancel;
    }
}

std::optional<std::string> QtUserPort::chooseOpenFile(const rvx::FileChoice& choice) {
    return chosen(QFileDialog::getOpenFileName(parent_, QString::fromStdString(choice.title),
                                               QString::fromStdString(choice.initialPath),
                                               filterText(choice)));
}

std::optional<std::string> QtUserPort::chooseSaveFile(const rvx::FileChoice& choice) {
    return chosen(QFileDialog::getSaveFileName(parent_, QString::fromStdString(choice.title),
                                               QString::fromStdString(choice.initialPath),
                                               filterText(choice)));
}

std::optional<std::string> QtUserPort::chooseFolder(const rvx::FileChoice& choice) {
    return chosen(QFileDialog::getExistingDirectory(parent_, QString::fromStdString(choice.title),
                                                    QString::fromStdString(choice.initialPath)));
}

std::optional<rvx::DateTime> QtUserPort::askDateTime(std::string_view prompt,
                                                     rvx::DateTime proposed) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(parent_ ? parent_->windowTitle() : QString());
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(toQString(prompt), &dialog));
    auto* edit = new QDateTimeEdit(toQDateTime(proposed), &dialog);
    edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return fromQDateTime(edit->dateTime());
}

std::optional<std::string> QtUserPort::askText(std::string_view prompt, std::string_view proposed) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent_, parent_ ? parent_->windowTitle() : QString(),
                              toQString(prompt), QLineEdit::Normal, toQString(proposed), &accepted);
    if (!accepted) return std::nullopt;
    return text.toStdString();
}

void QtUserPort::setStatus(std::string_view text) {
    if (statusSink_) statusSink_(toQString(text));
}

void QtUserPort::playSound(int) {
    QApplication::beep();
}

void QtUserPort::setCommandsEnabled(bool enabled) {
    if (enabled) {
        QApplication::restoreOverrideCursor();
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    if (commandsSink_) commandsSink_(enabled);
}

}  // namespace veltrix

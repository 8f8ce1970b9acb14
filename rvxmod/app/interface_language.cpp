#include "rvxmod/app/interface_language.h"

#include <QCoreApplication>

#include "common/text_catalogue.h"

namespace rvxmod::app {

InterfaceLanguage::InterfaceLanguage() {
    rvx::installTextLookup([](const char* context, const char* sourceText) {
        return QCoreApplication::translate(context, sourceText).toStdString();
    });
}

InterfaceLanguage::~InterfaceLanguage() {
    QCoreApplication::removeTranslator(&translator_);
    rvx::installTextLookup(nullptr);
}

rvx::Status InterfaceLanguage::apply(Language language) {
    if (language == current_) return rvx::ok();
    QCoreApplication::removeTranslator(&translator_);
    if (language == Language::Spanish &&
        (!translator_.load(QStringLiteral(":/i18n/rvxmod_es.qm")) ||
         !QCoreApplication::installTranslator(&translator_))) {
        current_ = Language::English;
        return rvx::fail(
            QCoreApplication::translate("rvxmod::app::TForm1",
                                        "Error: Could not change language, restart program")
                .toStdString());
    }
    current_ = language;
    return rvx::ok();
}

}  // namespace rvxmod::app

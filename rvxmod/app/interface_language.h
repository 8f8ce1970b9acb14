#pragma once

#include <QTranslator>

#include "common/result.h"

namespace rvxmod::app {

// Items of the "Language:" box.
enum class Language : int { English = 0, Spanish = 1 };

// Switches the interface language at run time. English is the source language; Spanish comes
// from the translation compiled into the program. Installing a translation makes Qt send a
// LanguageChange event to every window, and the core texts follow through rvx::trText.
class InterfaceLanguage {
public:
    InterfaceLanguage();
    ~InterfaceLanguage();
    InterfaceLanguage(const InterfaceLanguage&) = delete;
    InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;

    rvx::Status apply(Language language);
    Language current() const { return current_; }

private:
    QTranslator translator_;
    Language current_ = Language::English;
};

}  // namespace rvxmod::app

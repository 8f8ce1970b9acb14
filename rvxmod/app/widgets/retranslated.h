#pragma once

#include <QEvent>

namespace rvxmod::app {

// A window or control whose texts follow the interface language: retranslateUi() runs whenever
// Qt reports a language change. Derived classes also call it once at construction.
template <class Base>
class Retranslated : public Base {
public:
    using Base::Base;

protected:
    virtual void retranslateUi() = 0;

    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) retranslateUi();
        Base::changeEvent(event);
    }
};

}  // namespace rvxmod::app

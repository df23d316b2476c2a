#pragma once

#include <QLocale>

// Makes a locale the user's locale for as long as it lives.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(previous_); }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

private:
    QLocale previous_;
};

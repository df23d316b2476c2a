#pragma once

#include <QLocale>
#include <QString>

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

// A decimal number written with "." as the user's locale shows it.
inline QString shownDecimal(QString number) {
    return number.replace('.', QLocale().decimalPoint());
}

#include "exchange/DataFileDamage.h"

#include "core/modLocalisation.h"

namespace exchange {
namespace {

constexpr int kLineAndReason = 1900;
// Enough for any number or date; a longer value is damage enough that its beginning tells it.
constexpr qsizetype kLongestValueShown = 32;

QString shown(const QString &value) {
    if (value.size() <= kLongestValueShown)
        return value;
    QString beginning = value.left(kLongestValueShown);
    if (beginning.back().isHighSurrogate())
        beginning.chop(1);
    return beginning + QChar(0x2026); // an ellipsis
}

} // namespace

QString DamageText(const DataFileReader::Damage &damage) {
    QString reason = modLocalisation::LoadResString(damage.reason);
    QStringList values;
    for (const QString &value : damage.values)
        values << shown(value);
    switch (values.size()) {
    case 1:
        reason = reason.arg(values[0]);
        break;
    case 2:
        reason = reason.arg(values[0], values[1]);
        break;
    case 3:
        reason = reason.arg(values[0], values[1], values[2]);
        break;
    }
    return modLocalisation::LoadResString(kLineAndReason).arg(QString::number(damage.line), reason);
}

} // namespace exchange

#include "exchange/DataFileDamage.h"

#include "core/modLocalisation.h"

#include <QRegularExpression>

namespace exchange {
namespace {

constexpr int kLineAndReason = 1900;
// Enough for any number or date; a longer value is damage enough that its beginning tells it.
constexpr qsizetype kLongestValueShown = 32;

// A line break that a value holds shows as a mark, so that the message keeps to its lines.
QString withBreaksMarked(QString value) {
    static const QRegularExpression kBreak(QStringLiteral("\\r\\n|[\\n\\v\\f\\r\\x{85}\\x{2028}\\x{2029}]"));
    return value.replace(kBreak, QString(QChar(0x21B5)));
}

QString shown(const QString &written) {
    const QString value = withBreaksMarked(written);
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

#include "core/CaptionWrap.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>

namespace CaptionWrap {
namespace {

// The width of the text as shown: an accelerator mark is not drawn, "&&" is one ampersand.
int shownWidth(const QFontMetrics &metrics, QString text) {
    text.replace(QLatin1String("&&"), QString(QChar::ObjectReplacementCharacter)).remove('&');
    return metrics.horizontalAdvance(text.replace(QChar::ObjectReplacementCharacter, '&'));
}

// The room beside the box or the circle of the button.
int captionRoom(const QAbstractButton &button) {
    const QStyle &style = *button.style();
    const bool option = qobject_cast<const QRadioButton *>(&button) != nullptr;
    const int indicator = style.pixelMetric(
        option ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, &button);
    const int spacing = style.pixelMetric(
        option ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, &button);
    return button.maximumWidth() - indicator - spacing;
}

} // namespace

QString Wrapped(const QString &caption, const QFontMetrics &metrics, int width) {
    static const QRegularExpression blanks("\\s+");
    QStringList lines;
    QString line;
    for (const QString &word : caption.split(blanks, Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + ' ' + word;
        if (!line.isEmpty() && shownWidth(metrics, longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines.join('\n');
}

void WrapToMaximumWidth(QAbstractButton &button) {
    if (button.maximumWidth() >= QWIDGETSIZE_MAX ||
        (!qobject_cast<QCheckBox *>(&button) && !qobject_cast<QRadioButton *>(&button)))
        return;
    button.setText(Wrapped(button.text(), button.fontMetrics(), captionRoom(button)));
}

} // namespace CaptionWrap

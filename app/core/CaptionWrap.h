#pragma once

#include <QString>

class QAbstractButton;
class QFontMetrics;

// Check boxes and option buttons cannot wrap their captions themselves: a long caption is broken
// into lines between its words instead, so that a window stays narrow in every language.
namespace CaptionWrap {

// The caption in lines no wider than width, each holding as many words as fit; a word wider than
// width stands on a line of its own. Line breaks already in the caption count as blanks, and
// accelerator marks take no room.
QString Wrapped(const QString &caption, const QFontMetrics &metrics, int width);

// Breaks the button's caption into lines that fit its maximum width, when it has one.
void WrapToMaximumWidth(QAbstractButton &button);

} // namespace CaptionWrap

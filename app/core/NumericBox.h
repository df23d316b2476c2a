#pragma once

#include <functional>

class QLineEdit;

// Numeric text boxes: they select their whole text when they get the focus, let through only
// digits (and, where decimals are allowed, one "." and one ",") among the typed characters,
// and run their check when the focus moves to another control of their window.
namespace NumericBox {

enum class Keys { Digits, DigitsAndSeparators };

void Make(QLineEdit &box, Keys keys, std::function<void()> leaving);

// Gives the focus back to a box whose check refused its text, once the focus move that
// ran the check has ended.
void ReturnFocus(QLineEdit &box);

} // namespace NumericBox

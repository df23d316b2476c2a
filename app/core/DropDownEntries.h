#pragma once

class QComboBox;

// A drop-down list narrower than its entries still shows each of them whole: its open list is
// as wide as its widest entry, and while the current entry does not fit the closed box, the
// box's tool tip holds its whole text.
namespace DropDownEntries {

// Keeps the list so from now on, as its entries, its current entry and its size change.
// Calling it again on the same list changes nothing.
void ShowWhole(QComboBox &list);

} // namespace DropDownEntries

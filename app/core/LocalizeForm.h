#pragma once

#include <Qt>

class QWidget;

// Windows are designed with string ids instead of texts: a widget (or menu action) holds the id
// of its text in the dynamic property "tag" and, where it has one, the id of its tool tip in
// "tooltipTag". LocalizeForm puts the texts of the chosen language in their place.
namespace modLocalisation {

// Column headers of list views (QTreeWidget, QTableWidget) keep their id in this data role.
inline constexpr int kTagRole = Qt::UserRole + 1300;

// Replaces the ids of the window and of every control in it by texts of the chosen language.
// Each text stands alone: an id that is not a number, or that the table or the bitmaps do not
// hold, leaves that one text as it was designed. Since the texts' lengths differ from one
// language to another, a check box or option button with a maximum width wraps its caption to
// it, and every drop-down list shows its entries whole (CaptionWrap.h, DropDownEntries.h).
void LocalizeForm(QWidget *form);

} // namespace modLocalisation

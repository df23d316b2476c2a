#include "preferences/frmOptions.h"

#include "core/modHelpersDates.h"
#include "core/modPreferences.h"
#include "platform/ReportedFailures.h"
#include "preferences/MainCalendar.h"
#include "preferences/MainGraph.h"
#include "preferences/Messages.h"

#include <QCloseEvent>
#include <QDateEdit>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTabWidget>

void frmOptions::choose(const std::function<void(preferences::PendingChoices &)> &change) {
    change(pending_);
    if (!storesDeferred_)
        storeChoices();
}

// Stores every choice that waits; when the database refuses, says that they wait for OK.
bool frmOptions::storeChoices() {
    if (pending_.empty())
        return true;
    const preferences::PendingChoices choices = pending_;
    std::vector<QDate> goalsNotMoved;
    try {
        goalsNotMoved = preferences::StoreChoices(gConn, choices);
    } catch (const platform::db::DbError &failure) {
        preferences::SayChoicesWait(failure, this);
        return false;
    }
    pending_ = {};
    if (choices.unit || choices.paceRange || choices.firstDayOfWeek)
        platform::failures::runReported([] { modPreferences::LoadPreferences(); });
    if (choices.firstDayOfWeek) {
        preferences::ShowWeekStartInMainCalendar();
        DTPicker1->setDate(modHelpers::GetWeekStart(QDate::currentDate()));
        preferences::SayGoalsNotMoved(goalsNotMoved, this);
    }
    return true;
}

// A number box runs its check when the focus leaves it, and again at OK (and, for the zones, at
// their buttons) while its text differs from the one it was filled with or last left with.
void frmOptions::onLeaving(QLineEdit &box, NumericBox::Keys keys, std::function<bool()> leave) {
    NumericBox::Make(box, keys, [this, &box, leave] {
        if (leave())
            leftTexts_[&box] = box.text();
    });
    boxLeaves_.emplace_back(&box, std::move(leave));
}

void frmOptions::rememberTexts(const QWidget &within) {
    for (const auto &[box, leave] : boxLeaves_)
        if (within.isAncestorOf(box))
            leftTexts_[box] = box->text();
}

// Leaves each box that was changed and not left since (a screen reader presses a button without
// moving the focus), so that no text its box refuses reaches the database. What the boxes store
// waits for the caller's own save, unless a box refuses: then it is stored as leaving them would
// have stored it. A refused box that its zone mode disables, which the athlete cannot mend, gets
// back the text it was last left with.
bool frmOptions::leaveChangedBoxes(const QWidget &within) {
    QLineEdit *const refused = [this, &within]() -> QLineEdit * {
        const QScopedValueRollback<bool> deferred(storesDeferred_, true);
        for (const auto &[box, leave] : boxLeaves_) {
            if (!within.isAncestorOf(box) || !SSTab2->isTabVisible(tabOf(*box)) ||
                leftTexts_[box] == box->text())
                continue;
            if (!leave())
                return box;
            leftTexts_[box] = box->text();
        }
        return nullptr;
    }();
    if (!refused)
        return true;
    storeChoices();
    SSTab2->setCurrentIndex(tabOf(*refused));
    if (refused->isEnabled())
        NumericBox::ReturnFocus(*refused);
    else
        refused->setText(leftTexts_[refused]);
    return false;
}

int frmOptions::tabOf(const QWidget &control) const {
    for (int tab = 0; tab < SSTab2->count(); ++tab)
        if (SSTab2->widget(tab)->isAncestorOf(&control))
            return tab;
    return -1;
}

// Whatever could not be saved keeps the window open with what was chosen and typed, so that OK
// can try again.
void frmOptions::done(int result) {
    if (!leaving_) {
        if (!Form_Unload())
            return;
        leaving_ = true;
    }
    QDialog::done(result);
}

bool frmOptions::Form_Unload() {
    if (!storeChoices() || !SaveZones())
        return false;
    platform::failures::runReported([] { modPreferences::LoadPreferences(); });
    return true;
}

bool frmOptions::holdsUnsavedChanges() const {
    return !pending_.empty() || zonesRefused_;
}

// OK is the way out; Escape and closing the window leave it only when a save failed, and then
// only once the athlete agrees to lose what was not saved.
void frmOptions::reject() {
    if (!holdsUnsavedChanges())
        return;
    if (preferences::Say(1990, platform::dialogs::Icon::Question, this, platform::dialogs::Buttons::YesNo) ==
        platform::dialogs::Answer::Yes)
        leaveWithoutSaving();
}

void frmOptions::closeEvent(QCloseEvent *event) {
    if (!leaving_)
        reject();
    if (!leaving_)
        event->ignore();
}

// The main window goes back to what is stored.
void frmOptions::leaveWithoutSaving() {
    pending_ = {};
    leaving_ = true;
    platform::failures::runReported([] {
        modPreferences::LoadPreferences();
        preferences::RedrawMainGraph();
    });
    done(Rejected);
}

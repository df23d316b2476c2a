#pragma once

// The screen's mouse pointer while the program is busy. It is one state for the whole
// program, not a stack: switching it off restores the normal pointer whoever switched it on.
namespace platform::cursor {

void setBusy(bool busy);
bool isBusy();

// Shows the busy pointer for as long as it lives, then puts back the state it found.
class BusyCursor {
public:
    BusyCursor() : wasBusy_(isBusy()) { setBusy(true); }
    ~BusyCursor() { setBusy(wasBusy_); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    bool wasBusy_;
};

// Shows the normal pointer for as long as it lives, for a window that waits for the user in
// the middle of busy work, then puts back the state it found.
class NormalCursor {
public:
    NormalCursor() : wasBusy_(isBusy()) { setBusy(false); }
    ~NormalCursor() { setBusy(wasBusy_); }
    NormalCursor(const NormalCursor &) = delete;
    NormalCursor &operator=(const NormalCursor &) = delete;

private:
    bool wasBusy_;
};

} // namespace platform::cursor

#pragma once

// The screen's mouse pointer while the program is busy. It is one state for the whole
// program, not a stack: switching it off restores the normal pointer whoever switched it on.
namespace platform::cursor {

void setBusy(bool busy);
bool isBusy();

// Shows the busy or the normal pointer for as long as it lives, then puts back the state it found.
class PointerScope {
public:
    explicit PointerScope(bool busy) : wasBusy_(isBusy()) { setBusy(busy); }
    ~PointerScope() { setBusy(wasBusy_); }
    PointerScope(const PointerScope &) = delete;
    PointerScope &operator=(const PointerScope &) = delete;

private:
    bool wasBusy_;
};

// The busy pointer for the scope of some long work.
class BusyCursor : public PointerScope {
public:
    BusyCursor() : PointerScope(true) {}
};

// The normal pointer for a window that waits for the user in the middle of busy work.
class NormalCursor : public PointerScope {
public:
    NormalCursor() : PointerScope(false) {}
};

} // namespace platform::cursor

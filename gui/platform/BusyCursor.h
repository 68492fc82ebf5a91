#pragma once

namespace vantor {

// Shows the busy cursor while it lives, over every window of the program:
// around a core call that may wait for another program's lock (up to
// kLockWait), so that a window that does not answer meanwhile says why.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace vantor

#pragma once

#include <functional>

namespace zz {

// Asks the maker's web server whether a newer version of the program exists. The answer
// arrives later on the user-interface thread; every failure counts as "no newer version".
// The main window's timer and the options dialog use it; tests replace it.
class VersionChecker {
public:
    virtual ~VersionChecker() = default;
    // Starts a check and calls `done` exactly once with the result. A check started while
    // another one runs may be refused by calling `done(false)` at once.
    virtual void checkForNewerVersion(std::function<void(bool newer)> done) = 0;
};

} // namespace zz

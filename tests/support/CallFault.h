#pragma once

#include "core/lines/SystemCalls.h"

#include <cerrno>
#include <type_traits>

namespace vantor::test {

// Makes one system call of the core fail as a faulty disk would: the `nth`
// call (1 is the next one) of the entry fails with `error`, every other one
// goes through. For a test that walks a fault through every call of an
// operation: fire(), after it, tells whether the operation got that far.
template <auto Entry> class CallFault;

template <typename R, typename... A, R (*SystemCalls::*Entry)(A...)> class CallFault<Entry> {
public:
    CallFault(int nth, int error) {
        original_ = System().*Entry;
        nth_ = nth;
        error_ = error;
        calls_ = 0;
        System().*Entry = &trap;
    }
    ~CallFault() { System().*Entry = original_; }
    CallFault(const CallFault&) = delete;
    CallFault& operator=(const CallFault&) = delete;

    bool fired() const { return calls_ >= nth_; }

private:
    static R trap(A... args) {
        if (++calls_ != nth_)
            return original_(args...);
        errno = error_;
        if constexpr (std::is_pointer_v<R>)
            return nullptr;
        else
            return static_cast<R>(-1);
    }

    static inline R (*original_)(A...) = nullptr;
    static inline int nth_ = 0;
    static inline int error_ = 0;
    static inline int calls_ = 0;
};

} // namespace vantor::test

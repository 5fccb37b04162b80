#pragma once

#include <functional>
#include <type_traits>

// The top-level handler: runs an event handler and shows whatever escapes it in a message box,
// so the program keeps running. Every handler connected to a signal is wrapped in it.
namespace ErrorBoundary {

// Runs fn; on an exception shows its text through Prompt::error and returns false.
bool run(const std::function<void()>& fn);

// Wraps a handler for connect(): guard([this] { Button10Click(); }). The handler may take the
// signal's arguments or none.
template <typename F> auto guard(F fn)
{
    return [fn](auto&&... args) {
        if constexpr (std::is_invocable_v<F, decltype(args)...>)
            run([&] { fn(args...); });
        else
            run(fn);
    };
}

} // namespace ErrorBoundary

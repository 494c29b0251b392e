#pragma once
// The single instance of a screen (or of anything else the program keeps one
// of): created on first use and kept until the program ends.

#include <functional>
#include <memory>

namespace Single {
namespace detail {
template <class T> std::unique_ptr<T> &slot()
{
    static std::unique_ptr<T> instance;
    return instance;
}

// Remembers how to destroy an instance just created.
void keep(std::function<void()> destroy);
}

template <class T> T &instance()
{
    std::unique_ptr<T> &slot = detail::slot<T>();
    if (!slot) {
        slot = std::make_unique<T>();
        detail::keep([] { detail::slot<T>().reset(); });
    }
    return *slot;
}

// Whether the instance has been created yet.
template <class T> bool exists()
{
    return detail::slot<T>() != nullptr;
}

// Destroys every instance, the newest first (at the end of the program, and
// between tests).
void destroyAll();
}

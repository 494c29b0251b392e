#include "runtime/Single.h"

#include <vector>

namespace {
std::vector<std::function<void()>> &destroyers()
{
    static std::vector<std::function<void()>> list;
    return list;
}
}

void Single::detail::keep(std::function<void()> destroy)
{
    destroyers().push_back(std::move(destroy));
}

void Single::destroyAll()
{
    std::vector<std::function<void()>> list;
    list.swap(destroyers());
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        (*it)();
}

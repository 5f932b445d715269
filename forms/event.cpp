#include "forms/event.h"

namespace forms {

std::size_t arityOf(const Handler& handler) {
    return std::visit(
        [](auto fn) -> std::size_t {
            using Fn = decltype(fn);
            if constexpr (std::is_same_v<Fn, Handler0>)
                return 0;
            else if constexpr (std::is_same_v<Fn, Handler2>)
                return 2;
            else
                return 3;
        },
        handler);
}

void invoke(const Handler& handler, std::span<const std::int32_t> args) {
    if (args.size() != arityOf(handler))
        return;
    std::visit(
        [&](auto fn) {
            if (fn == nullptr)
                return;
            using Fn = decltype(fn);
            if constexpr (std::is_same_v<Fn, Handler0>)
                fn();
            else if constexpr (std::is_same_v<Fn, Handler2>)
                fn(args[0], args[1]);
            else
                fn(args[0], args[1], args[2]);
        },
        handler);
}

} // namespace forms

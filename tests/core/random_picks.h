#pragma once

#include <cstddef>
#include <iterator>
#include <random>
#include <string_view>

namespace tg::test {

// Numbers and list entries drawn from one seeded engine, so that a failing
// generated case can be named by its seed.
class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

    template <typename List>
    std::string_view any(const List& from) {
        return from[static_cast<std::size_t>(pick(0, static_cast<int>(std::size(from)) - 1))];
    }

private:
    std::mt19937 engine_;
};

}  // namespace tg::test

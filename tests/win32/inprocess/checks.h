#pragma once

#include <cstdio>
#include <string>
#include <type_traits>

// The in-process tests run inside a Windows process under Wine, where no Qt is built: a small
// tally of named checks that prints each failure and the totals, and sets the exit code.
class Checks {
public:
    void begin(const char* group) { m_group = group; }

    bool check(bool ok, const std::string& what) {
        if (ok) {
            ++m_passed;
        } else {
            ++m_failed;
            std::printf("FAIL: %s: %s\n", m_group.c_str(), what.c_str());
        }
        return ok;
    }

    template <class A, class B> bool equal(const A& actual, const B& expected, const std::string& what) {
        if (actual == expected)
            return check(true, what);
        return check(false, what + ": expected " + show(expected) + ", got " + show(actual));
    }

    int finish() const {
        std::printf("%d passed, %d failed\n", m_passed, m_failed);
        return m_failed == 0 ? 0 : 1;
    }

private:
    template <class T> static std::string show(const T& value) {
        if constexpr (std::is_convertible_v<T, std::string>) {
            std::string quoted(1, '\'');
            quoted.append(value).push_back('\'');
            return quoted;
        } else
            return std::to_string(value);
    }

    std::string m_group;
    int m_passed = 0;
    int m_failed = 0;
};

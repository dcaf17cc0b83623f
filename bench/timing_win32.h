// Timing for the benchmarks: the mean time of one call over a number of calls, rounds of
// two sides in alternating order, and the median of the rounds' figures.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

inline double Seconds(const std::function<void()>& work, int times) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < times; ++i) work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart / times;
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// One round of two sides, timed over `times` calls each; which side runs first alternates
// with the round, so neither always has the warmer start.
inline std::pair<double, double> TimeRound(int round, const std::function<void()>& first,
                                           const std::function<void()>& second, int times) {
    std::pair<double, double> t;
    if (round % 2 == 0) {
        t.first = Seconds(first, times);
        t.second = Seconds(second, times);
    } else {
        t.second = Seconds(second, times);
        t.first = Seconds(first, times);
    }
    return t;
}

#ifndef ZEV_ORER_BENCH_MEDIAN_H
#define ZEV_ORER_BENCH_MEDIAN_H

#include <algorithm>
#include <vector>

/// The middle value of @p values (the upper one of the two middles for an even count); @p values must not be
/// empty.
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

#endif // ZEV_ORER_BENCH_MEDIAN_H

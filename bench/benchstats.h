#pragma once

// The summary rows that every benchmark tool prints, one CSV row per measure:
// measure,subject,median,q1,q3,min,max,n,unit,target

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

/// The q-quantile (0..1) of sorted values, interpolated between neighbours.
inline double quantile(const std::vector<double>& sorted, double q) {
    if (sorted.empty())
        return 0;
    const double at = q * double(sorted.size() - 1);
    const size_t below = size_t(at);
    const size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - double(below)) * (sorted[above] - sorted[below]);
}

inline std::string quoted(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

inline void printRow(const std::string& measure, const std::string& subject,
                     std::vector<double> values, const std::string& unit,
                     const std::string& target) {
    if (values.empty())
        return;
    std::sort(values.begin(), values.end());
    const int decimals = unit == "kB" ? 0 : 3;
    std::printf("%s,%s,%.*f,%.*f,%.*f,%.*f,%.*f,%zu,%s,%s\n", quoted(measure).c_str(),
                quoted(subject).c_str(), decimals, quantile(values, 0.5), decimals,
                quantile(values, 0.25), decimals, quantile(values, 0.75), decimals, values.front(),
                decimals, values.back(), values.size(), unit.c_str(), quoted(target).c_str());
    std::fflush(stdout);
}

} // namespace bench

#include "BenchReport.h"

#include <algorithm>
#include <cstdio>

namespace {
std::string field(const std::optional<double>& value) {
    if (!value)
        return "-";
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", *value);
    return text;
}
} // namespace

void printFigure(const FigureRecord& r) {
    std::printf("FIGURE\t%d\t%s\t%s\t%s\t%s\t%s\t%s\n", r.number, r.title.c_str(),
                field(r.median).c_str(), field(r.floorMedian).c_str(), r.unit.c_str(),
                field(r.ratioGoal).c_str(), field(r.absoluteGoal).c_str());
    std::fflush(stdout);
}

void printNote(const std::string& text) {
    std::printf("NOTE\t%s\n", text.c_str());
    std::fflush(stdout);
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1)
        return *middle;
    const double upper = *middle;
    const double lower = *std::max_element(values.begin(), middle);
    return (lower + upper) / 2;
}

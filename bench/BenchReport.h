#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What every benchmark program hands to scripts/bench: one record per figure, on standard
// output, one line each, fields separated by tabs:
//   FIGURE <number> <title> <median> <floor median or -> <unit> <ratio goal or -> <absolute goal or
//   ->
// The script collects the records of all programs into one table.
struct FigureRecord {
    int number = 0;
    std::string title;
    double median = 0;
    std::optional<double> floorMedian;
    std::string unit;
    std::optional<double> ratioGoal;    // figure / floor at most this
    std::optional<double> absoluteGoal; // figure at most this, in unit
};

void printFigure(const FigureRecord& record);

// A note for the table's footer (iterations, what was checked), as "NOTE <text>".
void printNote(const std::string& text);

double median(std::vector<double> values);

// Milliseconds one run of the action takes.
template <class Action> double timeOnce(Action&& action) {
    const auto begin = std::chrono::steady_clock::now();
    action();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - begin).count();
}

// Runs the action warmUp times untimed, then runs times, each timed on its own; milliseconds.
template <class Action> std::vector<double> timeEach(int runs, int warmUp, Action&& action) {
    for (int i = 0; i < warmUp; ++i)
        action();
    std::vector<double> ms;
    ms.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i)
        ms.push_back(timeOnce(action));
    return ms;
}

// Like timeEach for a figure and its floor, taking turns, so that a slow phase of a shared
// machine slows both alike; the milliseconds of the figure, then of the floor.
template <class Figure, class Floor>
std::pair<std::vector<double>, std::vector<double>> timeInTurns(int runs, int warmUp,
                                                                Figure&& figure, Floor&& floor) {
    for (int i = 0; i < warmUp; ++i) {
        figure();
        floor();
    }
    std::pair<std::vector<double>, std::vector<double>> ms;
    for (int i = 0; i < runs; ++i) {
        ms.first.push_back(timeOnce(figure));
        ms.second.push_back(timeOnce(floor));
    }
    return ms;
}

#pragma once

#include "gui/controls/Form.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <array>

class AnimationStrip;
class ChartArea;
class DateInput;
class DayStripArea;
class Stepper;

// The controls of the main window, named as the window's design names them. Index 0, 1, 2 of
// every per-cycle array stands for the physical, emotional and intellectual cycle.
struct MainWindowControls {
    std::array<QLineEdit*, 2> T1{};   // captions of the birth date and the display date
    DateInput* M1 = nullptr;          // birth date
    DateInput* M2 = nullptr;          // display date
    std::array<QToolButton*, 4> C1{}; // persons, help, print, exit
    ChartArea* P1 = nullptr;
    DayStripArea* P2 = nullptr;
    Stepper* Up1 = nullptr;
    AnimationStrip* A1 = nullptr;
    std::array<QLabel*, 3> L1{}; // legend names
    std::array<QLabel*, 3> I1{}; // legend line samples
    std::array<QLabel*, 3> L2{}; // percentages
    std::array<QLabel*, 3> L3{}; // coloured frames behind the texts
    std::array<QLabel*, 3> L4{}; // interpretation texts
};

// Creates every control of the main window at its place, with its texts and tool tips.
MainWindowControls buildMainWindowControls(QWidget* window);

#pragma once

#include "gui/platform/DisplayMode.h"

#include <QList>
#include <QSize>

// A screen whose mode switches always succeed, remembering every mode applied.
class RecordingDisplayMode final : public DisplayMode {
public:
    explicit RecordingDisplayMode(QSize size) : m_current(size), m_wanted(size) {}
    QList<QSize> applied;

    void setup() override {}
    int width() const override { return m_current.width(); }
    int height() const override { return m_current.height(); }
    void setSize(int width, int height) override { m_wanted = QSize(width, height); }
    bool apply() override {
        m_current = m_wanted;
        applied << m_current;
        return true;
    }
    bool offers(int, int) const override { return true; }

private:
    QSize m_current;
    QSize m_wanted;
};

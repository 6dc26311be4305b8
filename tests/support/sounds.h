#pragma once

// Stand-ins for the window's notification sound in widget tests.

#include "ui/notifysound.h"

#include <string>
#include <vector>

namespace veltaro::support {

/// Records what would have been played, and how many message boxes had been
/// shown then (read from the counter the test keeps).
class FakeSound : public ui::NotifySound {
public:
    explicit FakeSound(const int* boxesShown) : m_boxesShown(boxesShown) {}
    void play(const std::string& soundfile) override {
        played.push_back(soundfile);
        boxesShownWhenPlayed.push_back(*m_boxesShown);
    }
    std::vector<std::string> played;
    std::vector<int> boxesShownWhenPlayed;

private:
    const int* m_boxesShown;
};

/// Plays nothing and returns at once.
class SilentSound : public ui::NotifySound {
public:
    void play(const std::string&) override {}
};

} // namespace veltaro::support

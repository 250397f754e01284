#pragma once

// Every tooltip of the program stays on screen for the same time, however
// long its text: 6 seconds.
inline constexpr int kTooltipMs = 6000;

void keepTooltipsFor(int milliseconds);

#pragma once

// The database selection window: opens inside the frame with a window
// context of its own.
void BrowseBD();

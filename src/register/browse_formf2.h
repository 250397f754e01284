#pragma once

// The certificate register "Форма №2" over the active data folder. Several
// may be open at once; without an active data folder it says so and does
// not open.
void BrowseFormf2();

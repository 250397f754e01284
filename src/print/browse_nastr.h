#pragma once

// The list of print layout profiles, from which the profile form is opened:
// opens inside the frame with a window context of its own.
void BrowseNastr();

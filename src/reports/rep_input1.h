#pragma once

// The issued-certificates report: the certificates of status COMMENT issued
// from D1 to D2, as they are when the run starts. Each call is a run of its
// own, with its progress window and preview.
void Rep_input1();

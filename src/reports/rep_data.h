#pragma once

// "За период": the period dialog of the issued-certificates report, opened
// from "О выданных документах". Several may be open at once.
void Rep_data();

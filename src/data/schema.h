#pragma once

#include "runtime/storage/table_def.h"

// The five tables of the program with their keys and relations, in the
// order their table objects are made: FORMA3, RIDGEN, CONFIG, LAST, LICENZIY.
const Schema& vetdocsSchema();

// Start value of a primed certificate.
inline constexpr const char* kDefaultStatus = "Выдано";

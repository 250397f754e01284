#pragma once

#include <QString>

#include "runtime/core/shared_value.h"

// The two counters of the certificate form, shared by every form of the
// process: how many characters the line last typed in takes (VS_SIM) and
// about how many are left in the focused line (KOL_SIM).
extern Shared<int> VS_SIM;
extern Shared<int> KOL_SIM;

// The counters follow key presses rather than the text: the number left is
// set right each time a counted line gets the focus, then estimated key by
// key until it leaves.
namespace CharacterCounter {

enum class Key { LeftButton, Delete, Backspace, Left, Right, Other };

// The width of a counted line of the certificate (FR3::S1 ...), 0 for a
// field without a counter.
int widthOf(int field);

// A counted line got the focus holding this text.
void entered(int field, const QString& text);
// A key (or the left mouse button) was pressed in a counted line.
void pressed(int field, Key key);

}  // namespace CharacterCounter

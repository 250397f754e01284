#pragma once

#include "runtime/ui/control_set.h"

// How the certificate form's controls sit on the picture of the blank. The
// blank gives an entry 8 dialog units, the height of the window font, for
// 10-point text, and prints its small captions where the next line's box
// already begins:
// - entries and the status combo are flat filled boxes whose text is
//   centred on its letters rather than on its line spacing, so capitals
//   and descenders both show;
// - boxes lie above the captions, whose letters show faintly through a
//   box's fill where it reaches into them, so what is typed reads clearly
//   and the caption is still there;
// - a caption whose letters lie mostly inside shown boxes is hidden, as the
//   box has taken its place; it shows again when those boxes are hidden
//   (the continuation lines).
namespace BlankLook {

void apply(ControlSet& controls);

// After entries were shown or hidden.
void hideCoveredCaptions(ControlSet& controls);

}  // namespace BlankLook

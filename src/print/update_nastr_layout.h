#pragma once

#include <QSize>
#include <QString>
#include <vector>

#include "runtime/ui/control_def.h"

// The window of UpdateNastr as control tables: the profile form laid over
// the pictures of the blank's two sides.
namespace UpdateNastrLayout {

inline constexpr QSize kClientSize{450, 430};

inline const QString kSheet = QStringLiteral("?Sheet");
inline const QString kFrontTab = QStringLiteral("?Tab:1");
inline const QString kBackTab = QStringLiteral("?Tab:2");

// Everything but the position boxes.
const std::vector<ControlDef>& controls();

// One spin box per position field: the front side's, then the back side's
// grid row by row. A box whose maximum is above its minimum is limited to
// that range; the others take whatever the field holds.
const std::vector<ControlDef>& positions();

}  // namespace UpdateNastrLayout

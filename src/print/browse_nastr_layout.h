#pragma once

#include <QSize>
#include <vector>

#include "runtime/ui/browse_column.h"
#include "runtime/ui/control_def.h"

// The window of BrowseNastr: the profiles on the sheet's one tab, the
// change and instruction buttons beside them, two notes under the sheet.
namespace BrowseNastrLayout {

inline constexpr QSize kClientSize{271, 156};
inline constexpr At kList{10, 22, 199, 94};
inline constexpr int kRowHeight = 10;

const std::vector<ControlDef>& controls();
std::vector<BrowseColumn> columns();

}  // namespace BrowseNastrLayout

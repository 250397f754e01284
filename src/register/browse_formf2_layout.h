#pragma once

#include <QColor>
#include <QSize>
#include <vector>

#include "runtime/ui/browse_column.h"
#include "runtime/ui/control_def.h"

// The register's window "Форма №2": the list of certificates on the sheet
// "[По номеру]" with the search, filter and print buttons under it. Places
// are dialog units of the window font, Arial 8.
namespace BrowseFormf2Layout {

inline constexpr QSize kClientSize{225, 333};
inline constexpr At kList{8, 54, 210, 217};
inline constexpr int kRowHeight = 11;
inline const QColor kSelection(0, 208, 104);
// The fill of the 1st, 3rd, 5th ... row of the loaded page.
inline const QColor kOddRowFill(237, 231, 214);

std::vector<ControlDef> controls();
std::vector<BrowseColumn> columns();

QString listStatusText();
QString listTooltip();

}  // namespace BrowseFormf2Layout

#pragma once

#include <QSize>
#include <QString>
#include <vector>

#include "runtime/ui/control_def.h"

// The controls of the selection window and its two forms, as their control
// tables; sizes are dialog units of each window's font.
namespace SelectionControls {

// The help of the three windows: the manual's chapter on connecting data
// folders.
inline const QString kHelpTopic = QStringLiteral("Краткое описание.htm");

// BrowseBD, Arial 7. Its two lists are not table controls: they lie at
// kHeadList (on the sheet) and kFolderList.
inline constexpr QSize kBrowseSize{305, 194};
inline constexpr At kHeadList{8, 20, 289, 57};
inline constexpr At kFolderList{4, 98, 297, 61};
inline constexpr int kListRowHeight = 14;
const std::vector<ControlDef>& browseBd();

// UpdateBD and UpdateConfig, Arial 8.
inline constexpr QSize kUpdateBdSize{286, 87};
inline constexpr QSize kUpdateConfigSize{327, 90};
const std::vector<ControlDef>& updateBd();
const std::vector<ControlDef>& updateConfig();

}  // namespace SelectionControls

#include "runtime/ui/browse_keys.h"

std::optional<ToolbarAction> browseKeyAction(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
        case Qt::Key_Up:
            return ToolbarAction::PriorRecord;
        case Qt::Key_Down:
            return ToolbarAction::NextRecord;
        case Qt::Key_PageUp:
            return ctrl ? ToolbarAction::FirstPage : ToolbarAction::PriorPage;
        case Qt::Key_PageDown:
            return ctrl ? ToolbarAction::LastPage : ToolbarAction::NextPage;
        case Qt::Key_Home:
            return ToolbarAction::FirstPage;
        case Qt::Key_End:
            return ToolbarAction::LastPage;
        case Qt::Key_Insert:
            return ToolbarAction::Insert;
        case Qt::Key_Delete:
            return ToolbarAction::Delete;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (ctrl) return ToolbarAction::Change;
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

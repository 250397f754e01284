#pragma once

#include <QString>
#include <vector>

#include "runtime/ui/toolbar_client.h"

// What a menu item or toolbar button of the main frame does.
struct FrameCommand {
    enum class Kind {
        None,          // a separator
        PrinterSetup,  // the system printer setup
        Exit,
        Cut,  // on the field with the focus
        Copy,
        Paste,
        Procedure,  // start the window procedure named by target
        HelpTopic,  // show the help topic named by target
        Navigate,   // the active window's toolbar action
    };

    Kind kind = Kind::None;
    QString target;
    ToolbarAction action = ToolbarAction::FirstPage;
};

struct FrameMenuItem {
    QString text;  // empty for a separator
    QString hint;  // shown in the status bar while highlighted
    QString icon;
    FrameCommand command;
};

struct FrameMenu {
    QString title;
    QString hint;
    std::vector<FrameMenuItem> items;
};

struct FrameButton {
    QString tooltip;
    QString icon;
    FrameCommand command;
};

// The menu bar and the toolbar of the main frame, left to right.
const std::vector<FrameMenu>& frameMenus();
const std::vector<FrameButton>& frameButtons();

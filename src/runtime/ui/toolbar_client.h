#pragma once

// The frame toolbar's thirteen navigation buttons, left to right.
enum class ToolbarAction {
    FirstPage,
    PriorPage,
    PriorRecord,
    Locate,
    NextRecord,
    NextPage,
    LastPage,
    Select,
    Insert,
    Change,
    Delete,
    History,
    Help,
};

// A window, or a part of one such as a list, that the navigation buttons act
// on while it is active. The innermost client around the focused control is
// asked first.
class ToolbarClient {
public:
    virtual ~ToolbarClient() = default;
    // False when the action means nothing here.
    virtual bool toolbarAction(ToolbarAction action) = 0;
};

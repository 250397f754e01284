#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

// One row of a window's control table: a control written the way windows
// are described, placed in dialog units from the top-left corner of the
// window's client area whatever tab or group it belongs to.
enum class ControlKind {
    Entry,
    Text,    // a caption
    Prompt,  // the caption of an entry
    Button,
    CheckBox,
    DropCombo,  // an entry with a list to choose from
    DropList,   // a choice from a list only
    SpinBox,
    GroupBox,
    Image,
    Sheet,  // a set of tab pages
    Tab,    // a page of the sheet named in `tab`
};

// AT(x, y, w, h); a width or height of 0 takes the size of the control's text.
struct At {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// Empty family and size 0 mean the window's font.
struct ControlFont {
    QString family;  // a " CYR" suffix is allowed and ignored
    int size = 0;    // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<QColor> colour;
};

struct ControlDef {
    ControlKind kind = ControlKind::Text;
    QString label;  // "?FR3:S2", "?OK", "?TAB1"
    At at;
    QString use;      // the bound field ("FR3:S2") or program value ("VS_SIM")
    QString text;     // caption, button text, tab header
    QString picture;  // display picture of an entry: "s91", "n_9b", "d6.b"
    ControlFont font;
    std::optional<QColor> fill;
    QString statusText;  // shown in the frame's status bar while focused
    QString tooltip;
    bool required = false;
    bool hidden = false;
    bool readOnly = false;
    // The tab page holding the control, or for a tab its sheet; empty for
    // controls of the window itself.
    QString tab;
    QString image;      // resource of a button's icon or a picture: ":/pictures/fon.jpg"
    QStringList items;  // the choices of a drop list or drop combo
    int minimum = 0;    // range of a spin box, when maximum is above minimum
    int maximum = 0;
    bool wizard = false;  // a sheet whose tab headers are not shown
};

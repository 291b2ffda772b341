#pragma once
// One control of the window model: its given name, where it sits and what it shows.
#include <string>
#include <vector>

namespace tzp::ui {

enum class ControlKind {
    Frame,    // a captioned box that contains other controls
    Picture,  // a box that contains controls or shows an icon; clickable
    Label,
    Button,
    CheckBox,  // value 0 unticked, 1 ticked, 2 greyed
    TextBox,
    ComboBox,  // editable text with a list
    ListBox,   // entries with a tick box each
    TabStrip,  // value: the selected tab, 1-based; 0 none
    FileList,  // the hidden list of profile files
};

enum class Property { Caption, Text, Value, Enabled, Position, Entries, Tooltip };

struct ListEntry {
    std::string text;
    bool ticked = false;
};

// How a control is drawn; the model itself does not care.
enum class Look { Plain, Bold, Link, Centred, WaitText, Logo, Icon, PlayerIcon };

// A row of the window's control table.
struct ControlSpec {
    ControlKind kind;
    const char* name;
    const char* parent;            // "" for the window itself
    int left, top, width, height;  // twips, relative to the parent
    const char* caption;
    Look look = Look::Plain;
};

class Control {
  public:
    explicit Control(const ControlSpec& spec)
        : kind(spec.kind),
          name(spec.name),
          parent(spec.parent),
          look(spec.look),
          caption(spec.caption),
          left(spec.left),
          top(spec.top),
          width(spec.width),
          height(spec.height) {}

    const ControlKind kind;
    const std::string name;
    const std::string parent;
    const Look look;

    std::string caption;
    std::string text;
    int value = 0;
    bool enabled = true;
    int left, top, width, height;
    std::vector<ListEntry> entries;  // list boxes, combo box, tab strip captions
    // Shown when the pointer rests on the control, and given to screen readers as its
    // description; empty for none.
    std::string tooltip;
};

}  // namespace tzp::ui

#pragma once
// The image button's states and what each mouse, enable or selection event does to them,
// apart from any window: event and state in, state and effects out.

#include <vector>

enum class ButtonState { Normal = 0, Hover = 1, Pressed = 2, Selected = 3, Disabled = 4 };

enum class ButtonEvent {
    MouseMove,
    MouseLeave,
    LeftDown,
    LeftUp,
    Enable,
    Disable,
    Select,    // SetSelected(true)
    Deselect,  // SetSelected(false)
};

// What the button must do, in this order.
enum class ButtonEffect {
    TrackLeave,  // ask for a mouse-leave notification
    PostClick,   // post WM_COMMAND with the control id to the parent
    Redraw,      // the look changed: recompose and repaint now
};

struct ButtonFacts {
    bool selected = false;          // the selected flag (set by SetSelected(true))
    bool hasSelectedImage = false;  // a tab
    bool hasDisabledImage = false;
};

struct ButtonStep {
    ButtonState state;
    bool selected;
    std::vector<ButtonEffect> effects;
};

// The button never selects itself: a click on a tab leaves it hovered (or pressed, when it
// was selected already) until the owner calls SetSelected. A click is a press and a release
// on the button: the release posts the click only while the button shows the press, so a
// press that started elsewhere (or left the button) clicks nothing. A disabled button
// ignores the mouse.
ButtonStep NextButtonState(ButtonState state, ButtonEvent event, const ButtonFacts& facts);

#include "controls/button_state.h"

ButtonStep NextButtonState(ButtonState state, ButtonEvent event, const ButtonFacts& facts) {
    ButtonStep step{state, facts.selected, {}};
    const bool disabled = state == ButtonState::Disabled;
    switch (event) {
        case ButtonEvent::MouseMove:
            if (state == ButtonState::Normal || state == ButtonState::Selected) {
                step.effects.push_back(ButtonEffect::TrackLeave);
                if (state == ButtonState::Normal) step.state = ButtonState::Hover;
            }
            break;
        case ButtonEvent::MouseLeave:
            if (!disabled && !facts.selected) step.state = ButtonState::Normal;
            break;
        case ButtonEvent::LeftDown:
            if (!disabled) step.state = ButtonState::Pressed;
            break;
        case ButtonEvent::LeftUp:
            if (disabled) break;
            if (state == ButtonState::Pressed) step.effects.push_back(ButtonEffect::PostClick);
            if (!facts.hasSelectedImage || !facts.selected) step.state = ButtonState::Hover;
            break;
        case ButtonEvent::Enable:
            // A selected tab that was disabled comes back selected.
            if (disabled) step.state = facts.selected ? ButtonState::Selected : ButtonState::Normal;
            break;
        case ButtonEvent::Disable:
            if (facts.hasDisabledImage) step.state = ButtonState::Disabled;
            break;
        case ButtonEvent::Select:
            step.state = ButtonState::Selected;
            step.selected = true;
            break;
        case ButtonEvent::Deselect:
            step.state = ButtonState::Normal;
            step.selected = false;
            break;
    }
    if (step.state != state) step.effects.push_back(ButtonEffect::Redraw);
    return step;
}

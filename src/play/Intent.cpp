#include "play/Intent.h"

#include "board/CellData.h"

namespace intent {

Intent cellClick(Button button, const At &at)
{
    const bool fixed = at.state == stFixed;
    if (at.mode == Mode::None) {
        if (button == Button::Left && !fixed && at.selected > 0)
            return {Kind::Write, at.selected};
        if (button == Button::Right && !fixed)
            return {Kind::Empty};
        return {Kind::Touch};
    }
    if (button == Button::Left && at.state == stBigNumber)
        return {Kind::TakeBack};
    return {Kind::Touch};
}

Intent markClick(Button button, int digit)
{
    switch (button) {
    case Button::Left: return {Kind::PlaceMark, digit};
    case Button::Right: return {Kind::StrikeMark, digit};
    default: return {Kind::Touch, 0, true};
    }
}

Intent key(keytable::Action action, const At &at)
{
    using keytable::Action;
    // In All and Only one the keys land on the selected digit's mark when
    // the cell shows it, else on the cell.
    const bool onMark = at.mode != Mode::None && at.selected > 0 && at.state == stCandidates
                        && at.value.contains(QChar(u'0' + at.selected));
    switch (action) {
    case Action::Primary: return onMark ? markClick(Button::Left, at.selected) : cellClick(Button::Left, at);
    case Action::Secondary:
        if (onMark)
            return markClick(Button::Right, at.selected);
        return at.mode == Mode::None ? cellClick(Button::Right, at) : Intent{};
    case Action::Menu: return at.menu ? Intent{Kind::Menu} : Intent{};
    case Action::Undo: return {Kind::Undo};
    case Action::Redo: return {Kind::Redo};
    default: return {};
    }
}

} // namespace intent

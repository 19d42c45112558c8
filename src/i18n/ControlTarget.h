#pragma once

#include <optional>

#include <QString>

// What a language file needs of the window: applying one control line. The
// window finds every control named exactly `name` (all elements of a control
// array when `index` is empty, only that element otherwise, never a control
// outside an array when an index is given) and sets each of caption, text and
// tooltip on its own, skipping a property the control does not have. Empty
// values are applied as empty.
class ControlTarget
{
public:
    virtual ~ControlTarget() = default;
    virtual void applyControlLine(const QString &name, std::optional<int> index, const QString &caption,
                                  const QString &text, const QString &toolTip) = 0;
};

#pragma once

#include <QLabel>

#include "gui/kit/FittingText.h"

// A one-line label whose text, a team's name most often, always fits its
// box: smaller when it must, cut with an ellipsis only at the floor, the
// whole text then in the tooltip. The label's text stays whole; only the
// painting changes.
class FittedLabel final : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textRoom() const;

    fittingText::Fit m_shown;
};

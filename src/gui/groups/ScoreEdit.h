#pragma once

#include <QLineEdit>

// A score cell. A press selects the first two characters, so that typing
// overwrites the "-" or a two-digit score instead of landing beside it.
class ScoreEdit final : public QLineEdit
{
    Q_OBJECT
public:
    explicit ScoreEdit(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // Left, a three-digit score shows from its first digit.
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // More than two figures in a cell made for two: they are drawn narrower
    // rather than scrolled out of sight.
    void fitText();
};

#pragma once

#include <QGroupBox>

// A white card with rounded corners and its title on a green tab: the
// group frames and the round-of-16 summary. Still a group box, so that its
// title is its caption for language files.
class CardFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit CardFrame(const QString &title, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#pragma once

#include <QWidget>

#include "print/Sheet.h"

// The print window's picture box: the sheet drawn at its own size. What it
// shows stays until the next redraw hands it another sheet, whatever the
// chart does meanwhile.
class SheetView final : public QWidget
{
    Q_OBJECT
public:
    explicit SheetView(QWidget *parent = nullptr);

    const Sheet &sheet() const { return m_sheet; }
    void setSheet(Sheet sheet);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Sheet m_sheet;
};

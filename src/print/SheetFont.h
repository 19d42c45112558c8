#pragma once

#include <QFont>

// The sheet's one face, sized in sheet pixels. Unhinted, so that a name
// measured at the sheet's size takes the same room at any printed scale.
inline QFont sheetFont(double pixels, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(pixels));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

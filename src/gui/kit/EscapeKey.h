#pragma once

#include <functional>

class QWidget;

// Escape closes `panel` while it is shown, wherever the focus is in its
// window. Two panels open at once share the key: each press closes one.
void closeOnEscape(QWidget *panel, std::function<void()> close);

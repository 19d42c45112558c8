#pragma once

#include <functional>

class QWidget;

// Escape closes `panel` while it is shown, wherever the focus is in its
// window. Two panels open at once share the key: each press closes one.
// An open drop-down keeps its Escape: the press closes the list alone.
void closeOnEscape(QWidget *panel, std::function<void()> close);

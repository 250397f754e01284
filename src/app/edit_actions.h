#pragma once

#include <QWidget>

// The frame's "Вырезать", "Копировать" and "Вклеить": the clipboard and the
// selection of the text field with the focus. A read-only field only gives
// its text.
enum class EditAction { Cut, Copy, Paste };

// False when the focused widget holds no text to act on.
bool applyEditAction(QWidget* focused, EditAction action);

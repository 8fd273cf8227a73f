#pragma once

#include <QRect>
#include <optional>

class QWidget;

namespace tour::qt {

// Where `widget` draws its text, in its own logical pixels: a button's or box's label as the
// style lays it out, a line edit's text, the page of a multi-line editor, a label's contents, a
// group box's title, a combo box's current item. None where it shows no text, and for a kind of
// widget not listed here.
std::optional<QRect> textRectOf(const QWidget& widget);

}  // namespace tour::qt

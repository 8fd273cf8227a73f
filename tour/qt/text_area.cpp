#include "tour/qt/text_area.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextEdit>

namespace tour::qt {
namespace {

// The text's own rectangle within `area`, aligned as the widget aligns it.
QRect textIn(const QWidget& widget, const QRect& area, Qt::Alignment alignment,
             const QString& text) {
  const Qt::Alignment visual = QStyle::visualAlignment(widget.layoutDirection(), alignment);
  return widget.style()->itemTextRect(widget.fontMetrics(), area, visual | Qt::TextShowMnemonic,
                                      widget.isEnabled(), text);
}

// A button's label within the contents the style leaves it (`contents`).
std::optional<QRect> buttonText(const QAbstractButton& button, QStyle::SubElement contents,
                                Qt::Alignment alignment) {
  if (button.text().isEmpty()) return std::nullopt;
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  option.icon = button.icon();
  option.iconSize = button.iconSize();
  const QRect area = button.style()->subElementRect(contents, &option, &button);
  return textIn(button, area, alignment, button.text());
}

std::optional<QRect> lineEditText(const QLineEdit& edit) {
  if (edit.displayText().isEmpty()) return std::nullopt;
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
  const QRect area = edit.style()
                         ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                         .marginsRemoved(edit.textMargins());
  return textIn(edit, area, edit.alignment(), edit.displayText());
}

std::optional<QRect> editorText(const QAbstractScrollArea& editor, const QString& text) {
  if (text.isEmpty()) return std::nullopt;
  return editor.viewport()->geometry();
}

std::optional<QRect> groupBoxTitle(const QGroupBox& box) {
  if (box.title().isEmpty()) return std::nullopt;
  QStyleOptionGroupBox option;
  option.initFrom(&box);
  option.text = box.title();
  option.textAlignment = box.alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  if (box.isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
  if (box.isFlat()) option.features |= QStyleOptionFrame::Flat;
  return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
}

std::optional<QRect> comboText(const QComboBox& combo) {
  if (combo.currentText().isEmpty()) return std::nullopt;
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.editable = combo.isEditable();
  option.currentText = combo.currentText();
  return combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                       &combo);
}

std::optional<QRect> labelText(const QLabel& label) {
  if (label.text().isEmpty()) return std::nullopt;
  return label.contentsRect();
}

}  // namespace

std::optional<QRect> textRectOf(const QWidget& widget) {
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    return buttonText(*button, QStyle::SE_PushButtonContents, Qt::AlignCenter);
  }
  const Qt::Alignment besideIndicator = Qt::AlignLeft | Qt::AlignVCenter;
  if (const auto* box = qobject_cast<const QCheckBox*>(&widget)) {
    return buttonText(*box, QStyle::SE_CheckBoxContents, besideIndicator);
  }
  if (const auto* option = qobject_cast<const QRadioButton*>(&widget)) {
    return buttonText(*option, QStyle::SE_RadioButtonContents, besideIndicator);
  }
  if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) return lineEditText(*edit);
  if (const auto* rich = qobject_cast<const QTextEdit*>(&widget)) {
    return editorText(*rich, rich->toPlainText());
  }
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(&widget)) {
    return editorText(*plain, plain->toPlainText());
  }
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) return labelText(*label);
  if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) return groupBoxTitle(*box);
  if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) return comboText(*combo);
  return std::nullopt;
}

}  // namespace tour::qt

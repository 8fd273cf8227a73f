#include "tour/table.h"

#include <QStringList>

namespace tour {
namespace {

QString number(const std::optional<std::int32_t>& value) {
  return value ? QString::number(*value) : QStringLiteral("refused");
}

// A colour value as its 32 bits in hex: 0x00B48246, 0x8000000F.
QString colourValue(const std::optional<std::int32_t>& value) {
  if (!value) return QStringLiteral("refused");
  const auto bits = static_cast<std::uint32_t>(*value);
  return QStringLiteral("0x") + QStringLiteral("%1").arg(bits, 8, 16, QChar(u'0')).toUpper();
}

QString row(const QStringList& cells) {
  return QStringLiteral("| ") + cells.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
}

QString buttonRow(const ButtonState& state) {
  return row({state.button, number(state.style), number(state.appearance),
              colourValue(state.backColor), colourValue(state.foreColor),
              state.painted.name(QColor::HexRgb),
              state.colorBoton ? QStringLiteral("yes") : QStringLiteral("no")});
}

QString pressSection(const Press& press) {
  QString text = QStringLiteral("## Press %1: %2\n\n").arg(press.number).arg(press.title);
  text += QStringLiteral("Host calls refused during the press: %1\n\n").arg(press.refused);
  text += row({QStringLiteral("Button"), QStringLiteral("Style"), QStringLiteral("Appearance"),
               QStringLiteral("BackColor"), QStringLiteral("ForeColor"), QStringLiteral("Painted"),
               QStringLiteral("ColorBoton")});
  text += QStringLiteral("|---|---|---|---|---|---|---|\n");
  for (const ButtonState& state : press.buttons) text += buttonRow(state);
  return text + u'\n';
}

}  // namespace

QString verdictTable(const TourResult& result, const QString& styleName) {
  QString text = QStringLiteral("# Tour of the ten test methods\n\n");
  text += QStringLiteral(
              "Style: %1. After each press of PROBAR: the title it left, and each Command1 "
              "button as the host reads it back. Painted is the colour sampled from the "
              "button's face, ColorBoton whether that is RGB(70, 130, 180).\n\n")
              .arg(styleName);
  for (const Press& press : result.presses) text += pressSection(press);
  return text;
}

}  // namespace tour

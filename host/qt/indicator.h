#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QObject>
#include <QPalette>
#include <cstdint>
#include <deque>

class QStyle;

namespace host::qt {

// The looks fitted to check box and option button indicators, one for each distinct input of
// the fit. Fitting the outline draws the indicator up to seventeen times and reads its pixels,
// while the answer depends only on what an input holds: so the host fits each input once. The
// colours the program cannot set (the theme's) come from the application's palette, and the
// drawing from its style, so a change of either forgets every look.
class IndicatorFits final : public QObject {
 public:
  // What the fit reads besides the application's palette: the style, the kind of indicator,
  // the scale and resolution it is drawn at, the palette's colour group, the ground it stands
  // on, the label's colour and the window colour the box would inherit.
  struct Input {
    const QStyle* style = nullptr;
    bool option = false;
    qreal scale = 1;
    int dpi = 0;
    QPalette::ColorGroup group = QPalette::Active;
    QRgb ground = 0, label = 0, window = 0;

    bool operator==(const Input&) const = default;
  };
  // The indicator's fill, its mark and the window colour its outline is drawn from; and which
  // fit it was, a number never given twice, so a box can tell whether its palette holds it.
  struct Look {
    QColor fill, mark, window;
    std::uint64_t serial = 0;
  };

  // The look fitted to `input` earlier, or fitted now by `fit` and kept.
  template <class Fit>
  const Look& lookFor(const Input& input, Fit&& fit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watchApplication();

  struct Kept {
    Input input;
    Look look;
  };
  static constexpr std::size_t kMostKept = 8;  // a form's two kinds of box, in a few colours
  std::deque<Kept> kept_;
  std::uint64_t lastSerial_ = 0;
  bool watching_ = false;
};

// Fits a check box's or option button's indicator to the background and label colours in
// `colours`, which the box is about to take, whatever the theme: the indicator's fill and its
// boundary stand out on the background, and the mark stands out on the fill. `held` is the
// serial of the look `colours` already holds (0 for none); that look is not set again, and
// `held` becomes the serial of the look fitted.
void fitIndicator(const QAbstractButton& box, QPalette& colours, IndicatorFits& fits,
                  std::uint64_t& held);

template <class Fit>
const IndicatorFits::Look& IndicatorFits::lookFor(const Input& input, Fit&& fit) {
  watchApplication();
  for (const Kept& kept : kept_) {
    if (kept.input == input) return kept.look;
  }
  if (kept_.size() == kMostKept) kept_.pop_front();
  kept_.push_back({input, fit()});
  kept_.back().look.serial = ++lastSerial_;
  return kept_.back().look;
}

}  // namespace host::qt

#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QObject>
#include <QPalette>
#include <QSize>
#include <deque>

class QStyle;

namespace host::qt {

// The window colours that outline an indicator legibly, one for each distinct input of the fit.
// Finding one draws the indicator up to seventeen times and reads its pixels, while the answer
// depends only on what is kept here: so the host fits each input once. A change of the
// application's style or palette forgets them all, as a style may draw from either.
class OutlineFits final : public QObject {
 public:
  // What the fit reads: the style and the kind of indicator, its size, the scale it is drawn
  // at, the ground it stands on and the colours it is drawn in (with the inherited window
  // colour as the window's).
  struct Input {
    const QStyle* style = nullptr;
    bool option = false;
    QSize size;
    qreal scale = 1;
    QRgb ground = 0;
    QPalette colours;

    bool operator==(const Input& other) const;
  };

  // The window colour fitted to `input` earlier, or fitted now by `fit` and kept.
  template <class Fit>
  QColor windowFor(const Input& input, Fit&& fit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watchApplication();

  struct Kept {
    Input input;
    QColor window;
  };
  static constexpr std::size_t kMostKept = 8;  // a form's few kinds of box, each in two colours
  std::deque<Kept> kept_;
  bool watching_ = false;
};

// Fits a check box's or option button's indicator to the background and label colours in
// `colours`, which the box is about to take, whatever the theme: the indicator's fill and its
// boundary stand out on the background, and the mark stands out on the fill.
void fitIndicator(const QAbstractButton& box, QPalette& colours, OutlineFits& fits);

template <class Fit>
QColor OutlineFits::windowFor(const Input& input, Fit&& fit) {
  watchApplication();
  for (const Kept& kept : kept_) {
    if (kept.input == input) return kept.window;
  }
  if (kept_.size() == kMostKept) kept_.pop_front();
  kept_.push_back({input, fit()});
  return kept_.back().window;
}

}  // namespace host::qt

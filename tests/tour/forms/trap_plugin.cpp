// A designer plugin that no run of the tour may load: loading a library runs its initialisers,
// and this one's says so on standard error.
#include <QObject>
#include <cstdio>

namespace {

[[maybe_unused]] const bool kSprung = [] {
  std::fputs("trap plugin loaded\n", stderr);
  return true;
}();

}  // namespace

class TrapPlugin : public QObject {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
};

#include "trap_plugin.moc"

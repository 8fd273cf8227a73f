#include "tour/qt/forms_loader.h"

#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include "tour/qt/adopted_qt_form.h"
#include "tour/qt/ui_loader.h"

namespace tour::qt {
namespace {

// Designer forms run to some hundreds of kilobytes; a file far larger is something else, and is
// not read into memory whole.
constexpr qint64 kLargestForm = qint64{32} << 20;

// One Designer form: its file's text, read once, built afresh for each style.
class DesignerForm final : public FormEntry {
 public:
  DesignerForm(std::string name, QByteArray text, QString folder, FormBuilder& builder)
      : name_(std::move(name)),
        text_(std::move(text)),
        folder_(std::move(folder)),
        builder_(builder) {}

  std::string name() const override { return name_; }

  // The application already draws in `style`; the new widgets take it.
  Opening open(const std::string& /*style*/) override {
    BuiltForm built = builder_.build(text_, folder_);
    if (!built.window) return {nullptr, "Qt's loader failed: " + built.error.toStdString()};
    return {std::make_unique<AdoptedQtForm>(std::move(built)), {}};
  }

 private:
  std::string name_;
  QByteArray text_;
  QString folder_;
  FormBuilder& builder_;
};

LoadedFile refused(FileRefusal refusal, std::string reason) {
  return {{}, refusal, std::move(reason)};
}

class DesignerFormsLoader final : public FormsLoader {
 public:
  LoadedFile load(const std::string& path) override {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
      return refused(FileRefusal::Unreadable,
                     "cannot be read: " + file.errorString().toStdString());
    }
    if (file.size() > kLargestForm) {
      return refused(FileRefusal::NotAForm, "not a Designer form: larger than 32 MiB");
    }
    const QByteArray text = file.readAll();
    if (const std::optional<TextRefusal> refusal = refusalOf(text)) {
      return refused(refusal->kind, refusal->reason);
    }
    // Built once now, so that a form Qt's loader cannot build is refused before anything is
    // written; what the loader says about the file is said once, here.
    const QString folder = QFileInfo(file).absolutePath();
    const BuiltForm trial = builder_.build(text, folder);
    if (!trial.window) {
      return refused(FileRefusal::Malformed,
                     "Qt's loader cannot build the form: " + trial.error.toStdString());
    }
    for (const QString& warning : trial.warnings) qWarning().noquote() << warning;
    LoadedFile loaded;
    loaded.forms.push_back(
        std::make_unique<DesignerForm>(fileNameOf(path), text, folder, builder_));
    return loaded;
  }

 private:
  FormBuilder builder_;
};

}  // namespace

std::unique_ptr<FormsLoader> makeFormsLoader() {
  return std::make_unique<DesignerFormsLoader>();
}

}  // namespace tour::qt

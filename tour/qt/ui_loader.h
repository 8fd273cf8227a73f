#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUiLoader>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tour/core/adopted_form.h"

namespace tour::qt {

// A control of a Designer form: a widget its file names, or a button a dialog button box of the
// file made, with its class as the reports give it: "QPushButton", or for a custom widget that
// has no plugin and was built as the class it extends, "LoginPanel (as QWidget)".
struct FileControl {
  QWidget* widget;
  std::string className;
};

// A Designer form built from its file, not yet shown.
struct BuiltForm {
  std::unique_ptr<QWidget> window;    // null where Qt's loader failed
  std::vector<FileControl> controls;  // in the order the loader made them
  QString error;                      // Qt's words, where it failed
  QStringList warnings;               // what Qt's loader said about the file on the way
};

// Why `text` is no Designer form to build: not XML, or XML whose first element is not <ui>
// (NotAForm); XML that is not well formed (Malformed). Read with Qt's XML reader. None for a
// well-formed document whose root is <ui>.
struct TextRefusal {
  FileRefusal kind;
  std::string reason;
};
std::optional<TextRefusal> refusalOf(const QByteArray& text);

// Builds Designer forms with Qt's own loader, which never loads a plugin library: a custom widget
// is built as the class it extends. The widgets the file names are its controls, the form's own
// window and a main window's central widget (the window's client area) apart; Qt's inner widgets
// (a spin box's line edit) are not. A dialog button box's buttons are controls too, each named by
// the box and its text, mnemonic marks removed: "buttonBox.OK". A QApplication must exist.
class FormBuilder {
 public:
  FormBuilder();
  ~FormBuilder();
  FormBuilder(const FormBuilder&) = delete;
  FormBuilder& operator=(const FormBuilder&) = delete;

  // The form in `text`; `folder` is where the file's relative image paths start. Qt's messages on
  // the way go to `warnings`, not to standard error.
  BuiltForm build(const QByteArray& text, const QString& folder);

 private:
  class RecordingLoader;
  std::unique_ptr<RecordingLoader> loader_;
};

}  // namespace tour::qt

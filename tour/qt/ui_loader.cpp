#include "tour/qt/ui_loader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QXmlStreamReader>

namespace tour::qt {
namespace {

// Qt's messages while it lives, kept instead of written to standard error.
class KeptMessages {
 public:
  KeptMessages() : previous_(qInstallMessageHandler(keep)) { current_ = this; }
  ~KeptMessages() {
    qInstallMessageHandler(previous_);
    current_ = nullptr;
  }
  KeptMessages(const KeptMessages&) = delete;
  KeptMessages& operator=(const KeptMessages&) = delete;

  QStringList messages;

 private:
  static void keep(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (current_) current_->messages.append(message);
  }

  static inline KeptMessages* current_ = nullptr;
  QtMessageHandler previous_;
};

// A button's text without its mnemonic marks: "&Save" -> "Save", "A && B" -> "A & B".
QString withoutMnemonics(const QString& text) {
  QString plain;
  for (qsizetype at = 0; at < text.size(); ++at) {
    if (text[at] != u'&') {
      plain.append(text[at]);
    } else if (at + 1 < text.size() && text[at + 1] == u'&') {
      plain.append(u'&');
      ++at;
    }
  }
  return plain;
}

std::string classNameOf(const QWidget& widget) {
  return widget.metaObject()->className();
}

// Whether the text opens as XML would, past a byte order mark and white space.
bool opensLikeXml(const QByteArray& text) {
  QByteArrayView rest(text);
  if (rest.startsWith("\xEF\xBB\xBF")) rest = rest.sliced(3);
  return rest.trimmed().startsWith('<');
}

std::string where(const QXmlStreamReader& reader) {
  return " (line " + std::to_string(reader.lineNumber()) + ", column " +
         std::to_string(reader.columnNumber()) + ")";
}

}  // namespace

// Qt's loader, noting every widget it makes for the file: the class the file asked for and the
// widget it got. No plugin library is loaded, neither now nor for a class a file names.
class FormBuilder::RecordingLoader final : public QUiLoader {
 public:
  struct Made {
    QPointer<QWidget> widget;
    QString asked;
  };

  RecordingLoader() {
    clearPluginPaths();
    setLanguageChangeEnabled(false);
    setTranslationEnabled(false);
  }

  void restart() { made_.clear(); }
  const std::vector<Made>& made() const { return made_; }

  QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override {
    QWidget* widget = QUiLoader::createWidget(className, parent, name);
    if (!widget) return nullptr;
    // A custom widget without a plugin is made by a nested call for the class it extends, noted
    // just before: it keeps the custom class's name.
    if (!made_.empty() && made_.back().widget == widget) {
      made_.back().asked = className;
    } else {
      made_.push_back({widget, className});
    }
    return widget;
  }

 private:
  std::vector<Made> made_;
};

FormBuilder::FormBuilder() {
  // The loader loads every designer plugin of the library paths as it is made, the folder
  // beside the executable included; with no paths it finds none.
  const QStringList libraryPaths = QCoreApplication::libraryPaths();
  QCoreApplication::setLibraryPaths({});
  loader_ = std::make_unique<RecordingLoader>();
  QCoreApplication::setLibraryPaths(libraryPaths);
}

FormBuilder::~FormBuilder() = default;

BuiltForm FormBuilder::build(const QByteArray& text, const QString& folder) {
  BuiltForm built;
  loader_->restart();
  loader_->setWorkingDirectory(QDir(folder));
  QBuffer buffer;
  buffer.setData(text);
  buffer.open(QIODevice::ReadOnly);
  {
    const KeptMessages kept;
    built.window.reset(loader_->load(&buffer));
    built.warnings = kept.messages;
  }
  if (!built.window) {
    built.error = loader_->errorString();
    if (built.error.isEmpty()) built.error = QStringLiteral("it made no form");
    return built;
  }
  const auto* mainWindow = qobject_cast<const QMainWindow*>(built.window.get());
  const QWidget* clientArea = mainWindow ? mainWindow->centralWidget() : nullptr;
  for (const RecordingLoader::Made& made : loader_->made()) {
    QWidget* widget = made.widget;
    if (!widget || widget == built.window.get() || widget == clientArea) continue;
    const std::string madeAs = classNameOf(*widget);
    const std::string asked = made.asked.toStdString();
    built.controls.push_back({widget, asked == madeAs ? asked : asked + " (as " + madeAs + ")"});
    if (const auto* box = qobject_cast<const QDialogButtonBox*>(widget)) {
      for (QAbstractButton* button : box->buttons()) {
        button->setObjectName(box->objectName() + u'.' + withoutMnemonics(button->text()));
        built.controls.push_back({button, classNameOf(*button)});
      }
    }
  }
  return built;
}

std::optional<TextRefusal> refusalOf(const QByteArray& text) {
  QXmlStreamReader reader(text);
  while (!reader.atEnd() && reader.readNext() != QXmlStreamReader::StartElement) {
  }
  const bool rooted = reader.isStartElement();
  if (rooted && reader.name() != QLatin1String("ui")) {
    return TextRefusal{FileRefusal::NotAForm, "not a Designer form: its root element is <" +
                                                  reader.name().toString().toStdString() +
                                                  ">, not <ui>"};
  }
  while (!reader.atEnd()) reader.readNext();
  if (reader.hasError()) {
    if (!rooted && !opensLikeXml(text)) {
      return TextRefusal{FileRefusal::NotAForm, "not a Designer form: not XML"};
    }
    return TextRefusal{FileRefusal::Malformed,
                       "malformed XML: " + reader.errorString().toStdString() + where(reader)};
  }
  if (!rooted) return TextRefusal{FileRefusal::NotAForm, "not a Designer form: no element in it"};
  return std::nullopt;
}

}  // namespace tour::qt

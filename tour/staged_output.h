#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace tour {

// Output that appears all at once or not at all: files are written into a hidden staging folder
// inside the target folder and renamed into place by commit(). Until then, and on any failure,
// nothing is left behind: the staging folder goes, and so do the folders this object created.
class StagedOutput {
 public:
  // Creates `folder` if it is missing and the staging folder inside it; ready() says whether
  // that worked, error() why not.
  explicit StagedOutput(const QString& folder);
  ~StagedOutput();
  StagedOutput(const StagedOutput&) = delete;
  StagedOutput& operator=(const StagedOutput&) = delete;

  bool ready() const { return error_.isEmpty(); }
  const QString& error() const { return error_; }

  bool writeImage(const QString& name, const QImage& image);
  bool writeText(const QString& name, const QByteArray& bytes);
  // Moves every staged file into the target folder, replacing files of the same name.
  bool commit();

 private:
  bool fail(const QString& reason);

  QString folder_;
  QStringList created_;  // folders made here, outermost first
  std::unique_ptr<QTemporaryDir> staging_;
  QStringList staged_;
  bool committed_ = false;
  QString error_;
};

}  // namespace tour

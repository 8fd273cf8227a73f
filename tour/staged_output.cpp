#include "tour/staged_output.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace tour {
namespace {

// The folders from the first missing one down to `folder` itself.
QStringList missingFolders(const QString& folder) {
  QStringList missing;
  QString path = QDir::cleanPath(QDir(folder).absolutePath());
  while (!QFileInfo::exists(path) && !path.isEmpty()) {
    missing.prepend(path);
    const QString parent = QFileInfo(path).path();
    if (parent == path) break;
    path = parent;
  }
  return missing;
}

}  // namespace

StagedOutput::StagedOutput(const QString& folder) : folder_(folder) {
  created_ = missingFolders(folder);
  if (!QDir().mkpath(folder)) {
    created_.clear();
    fail(QStringLiteral("cannot create the folder"));
    return;
  }
  staging_ = std::make_unique<QTemporaryDir>(folder + QStringLiteral("/.skinbench-tour-XXXXXX"));
  if (!staging_->isValid()) fail(QStringLiteral("cannot write into it"));
}

StagedOutput::~StagedOutput() {
  staging_.reset();  // removes the staging folder and whatever is still in it
  if (committed_) return;
  for (auto folder = created_.crbegin(); folder != created_.crend(); ++folder) {
    QDir().rmdir(*folder);
  }
}

bool StagedOutput::fail(const QString& reason) {
  error_ = QStringLiteral("%1: %2").arg(folder_, reason);
  return false;
}

bool StagedOutput::writeImage(const QString& name, const QImage& image) {
  if (!ready()) return false;
  if (!image.save(staging_->filePath(name), "PNG")) {
    return fail(QStringLiteral("cannot write %1").arg(name));
  }
  staged_.append(name);
  return true;
}

bool StagedOutput::writeText(const QString& name, const QByteArray& bytes) {
  if (!ready()) return false;
  QFile file(staging_->filePath(name));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
    return fail(QStringLiteral("cannot write %1").arg(name));
  }
  staged_.append(name);
  return true;
}

bool StagedOutput::commit() {
  if (!ready()) return false;
  for (const QString& name : staged_) {
    std::error_code failure;
    std::filesystem::rename(staging_->filePath(name).toStdString(),
                            QDir(folder_).filePath(name).toStdString(), failure);
    if (failure) return fail(QStringLiteral("cannot move %1 into place").arg(name));
  }
  committed_ = true;
  return true;
}

}  // namespace tour

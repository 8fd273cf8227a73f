#include "tour/win32/forms_loader.h"

#include "tour/win32/adopted_dialog.h"
#include "tour/win32/dialog_file.h"
#include "tour/win32/dialog_worker.h"
#include "tour/win32/win32_tour_host.h"

namespace tour::win32 {
namespace {

using host::win32::ControlLook;

// One dialog of a file. It opens in this process; it is skinned in the file's worker where it
// has one, else here.
class DialogEntry final : public FormEntry {
 public:
  DialogEntry(std::shared_ptr<const DialogFile> file, std::size_t index, std::string name,
              std::shared_ptr<DialogWorker> worker)
      : file_(std::move(file)), index_(index), name_(std::move(name)), worker_(std::move(worker)) {}

  std::string name() const override { return name_; }

  Opening open(const std::string& style) override {
    const ControlLook look = style == kStyles[1] ? ControlLook::Themed : ControlLook::Classic;
    return openDialog(file_->templateOf(file_->dialogs()[index_]), file_->module(), name_, look);
  }

  FormResult skin(const std::string& style, const std::string& platform) override {
    if (!worker_) return FormEntry::skin(style, platform);
    return worker_->skin(index_, name_, style, platform);
  }

 private:
  std::shared_ptr<const DialogFile> file_;
  std::size_t index_;
  std::string name_;
  std::shared_ptr<DialogWorker> worker_;
};

LoadedFile loadDialogs(const std::string& path, bool withWorker) {
  auto file = std::make_shared<const DialogFile>(path);
  LoadedFile loaded;
  if (file->refusal()) {
    loaded.refusal = file->refusal();
    loaded.reason = file->reason();
    return loaded;
  }
  const std::shared_ptr<DialogWorker> worker =
      withWorker ? std::make_shared<DialogWorker>(path, runningProgram()) : nullptr;
  const std::string fileName = fileNameOf(path);
  for (std::size_t index = 0; index < file->dialogs().size(); ++index) {
    loaded.forms.push_back(std::make_unique<DialogEntry>(
        file, index, fileName + "#" + file->dialogs()[index].shown(), worker));
  }
  return loaded;
}

class DialogFormsLoader final : public FormsLoader {
 public:
  LoadedFile load(const std::string& path) override { return loadDialogs(path, true); }
};

}  // namespace

std::unique_ptr<FormsLoader> makeFormsLoader() {
  return std::make_unique<DialogFormsLoader>();
}

LoadedFile loadDialogsHere(const std::string& path) {
  return loadDialogs(path, false);
}

}  // namespace tour::win32

// One form skinned by the real CargarSkin, read off the screen's pixels before and after.
#include <algorithm>
#include <exception>
#include <map>

#include "host/error.h"
#include "host/text.h"
#include "testbench/skin/cargar_skin.h"
#include "tour/core/adopted_form.h"
#include "tour/core/button_colours.h"
#include "tour/core/recording_host.h"
#include "tour/core/staged_output.h"
#include "tour/core/tour_run.h"

namespace tour {
namespace {

// Form1's load handler passes these; so does the run.
constexpr std::int16_t kSkinPreview = -1;
// A control's focus ring, shadow or border may reach a pixel past its rectangle; the form's own
// colour is read clear of them.
constexpr int kClearance = 1;

// Where a control is and draws its text, at one moment.
struct Place {
  Area area;
  std::optional<Area> text;
};

// A control as the reports name it, read before the skin runs.
struct Named {
  host::ControlRef control;
  std::string name;
  std::string typeName;
  std::string className;
};

std::string nameOf(host::FormsHost& host, host::ControlRef control, std::size_t position) {
  std::string name;
  try {
    name = host::toUtf8(host.getProperty(control, u"Name").asText());
  } catch (const host::HostError&) {
  }
  return name.empty() ? "control " + std::to_string(position + 1) : name;
}

std::string typeNameOf(host::FormsHost& host, host::ControlRef control) {
  try {
    return host::toUtf8(host.typeName(control));
  } catch (const host::HostError&) {
    return {};
  }
}

// The commonest colour of the picture outside every control; of equally common ones the
// smallest value. None where the controls cover the whole form.
std::optional<RgbHex> formBackground(const Picture& picture, const std::vector<Place>& places) {
  std::vector<bool> covered(picture.pixels().size(), false);
  for (const Place& place : places) {
    const Area area = place.area.grown(kClearance).intersected(picture.bounds());
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        covered[static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width()) +
                static_cast<std::size_t>(x)] = true;
      }
    }
  }
  std::map<RgbHex, int> counts;
  for (std::size_t at = 0; at < covered.size(); ++at) {
    if (!covered[at]) ++counts[picture.pixels()[at]];
  }
  std::optional<RgbHex> best;
  int most = 0;
  for (const auto& [colour, count] : counts) {
    if (count > most) best = colour, most = count;
  }
  return best;
}

// The other controls that lie on `place`: every one that overlaps it but does not hold it (a
// group box's own controls, not the group box a control sits in).
std::vector<Area> coveringOf(std::size_t index, const std::vector<Place>& places) {
  const Area mine = places[index].area;
  std::vector<Area> covering;
  for (std::size_t other = 0; other < places.size(); ++other) {
    const Area area = places[other].area;
    if (other == index || area.intersected(mine).empty()) continue;
    if (area.intersected(mine) == mine) continue;  // it holds this control
    covering.push_back(area);
  }
  return covering;
}

Reading readingOf(const Picture& picture, const std::vector<Place>& places, std::size_t index) {
  const Place& place = places[index];
  const ButtonColours colours =
      measureControl(picture, place.area, place.text.value_or(Area{}), coveringOf(index, places));
  Reading reading{colours.face, std::nullopt};
  if (place.text && !place.text->empty()) reading.text = colours.text;
  return reading;
}

class FormSkinning {
 public:
  FormSkinning(AdoptedForm& form, FormResult& result, const std::string& platform)
      : form_(form), result_(result), platform_(platform) {}

  void run() {
    name();
    result_.before = checkedReadBack(form_, platform_);
    const std::vector<Place> before = places();
    form_.beginWatch();
    RecordingHost recording(form_.host());
    testbench::CargarSkin(recording, form_.form(), host::kTrue, kSkinPreview);
    form_.settle();
    result_.after = checkedReadBack(form_, platform_);
    if (const std::optional<std::string> disturbance = form_.disturbance()) {
      throw ReadBackError(*disturbance + " while the skin ran on the " + platform_ +
                          " platform, so what it showed cannot be read back reliably; nothing "
                          "was written");
    }
    read(before, places(), recording);
  }

 private:
  void name() {
    const std::vector<AdoptedControl> controls = form_.controls();
    for (std::size_t at = 0; at < controls.size(); ++at) {
      const host::ControlRef control = controls[at].control;
      named_.push_back({control, nameOf(form_.host(), control, at),
                        typeNameOf(form_.host(), control), controls[at].className});
    }
  }

  std::vector<Place> places() {
    std::vector<Place> places;
    for (const Named& named : named_) {
      places.push_back({form_.areaOf(named.control), form_.textAreaOf(named.control)});
    }
    return places;
  }

  void read(const std::vector<Place>& before, const std::vector<Place>& after,
            const RecordingHost& recording) {
    result_.backgroundBefore = formBackground(result_.before, before);
    result_.backgroundAfter = formBackground(result_.after, after);
    result_.formCalls = recording.formLog().taken;
    result_.formRefused = recording.formLog().refused;
    for (std::size_t at = 0; at < named_.size(); ++at) {
      const CallLog log = recording.logOf(named_[at].control);
      ControlResult control{named_[at].name,
                            named_[at].typeName,
                            named_[at].className,
                            readingOf(result_.before, before, at),
                            readingOf(result_.after, after, at),
                            log.taken,
                            log.refused,
                            false};
      control.patch = !log.changeAsked && result_.backgroundAfter &&
                      control.after.face != *result_.backgroundAfter;
      result_.controls.push_back(std::move(control));
    }
  }

  AdoptedForm& form_;
  FormResult& result_;
  const std::string& platform_;
  std::vector<Named> named_;
};

FormResult ended(FormResult result, FormOutcome outcome, const std::string& reason) {
  result.outcome = outcome;
  result.reason = reason;
  result.controls.clear();
  result.before = result.after = Picture();
  return result;
}

}  // namespace

FormResult FormEntry::skin(const std::string& style, const std::string& platform) {
  return skinForm(*this, style, platform);
}

FormResult skinForm(FormEntry& entry, const std::string& style, const std::string& platform) {
  FormResult result;
  try {
    result.form = entry.name();
    result.style = style;
    Opening opening = entry.open(style);
    if (!opening.form) {
      return ended(std::move(result), FormOutcome::NotMade,
                   opening.reason.empty() ? "the platform could not make it" : opening.reason);
    }
    FormSkinning(*opening.form, result, platform).run();
    return result;
  } catch (const ReadBackError& error) {
    return ended(std::move(result), FormOutcome::Untrusted, error.what());
  } catch (const std::exception& error) {
    return ended(std::move(result), FormOutcome::Faulted, error.what());
  }
}

std::string fileNameOf(const std::string& path) {
  const std::u8string name = pathFromUtf8(path).filename().u8string();
  return std::string(name.begin(), name.end());
}

}  // namespace tour

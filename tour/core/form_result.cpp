#include "tour/core/form_result.h"

#include <cstdint>
#include <limits>

#include "tour/core/button_colours.h"
#include "tour/core/verdicts.h"

namespace tour {

std::optional<double> Reading::contrast() const {
  if (!text) return std::nullopt;
  return reportedContrast(face, *text);
}

bool Reading::readable() const {
  return !text || *contrast() >= kReadableContrast;
}

namespace {

// The bytes begin with these, the format's name and version: results of another build's format
// are not read as this one's.
constexpr std::string_view kMagic = "skinbench form result 1\n";
// No window is this large; a size beyond it is garbage, not a picture to allocate.
constexpr std::uint32_t kMostPixels = 1u << 28;

// Numbers little-endian whatever the machine; texts and lists after their length; a picture as
// runs of one colour, which a form's flat faces make short.
class Writer {
 public:
  void number(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
      bytes_ += static_cast<char>((value >> shift) & 0xff);
  }
  void flag(bool value) { bytes_ += static_cast<char>(value ? 1 : 0); }
  void text(const std::string& value) {
    number(static_cast<std::uint32_t>(value.size()));
    bytes_ += value;
  }
  void texts(const std::vector<std::string>& values) {
    number(static_cast<std::uint32_t>(values.size()));
    for (const std::string& value : values) text(value);
  }
  void colour(const std::optional<RgbHex>& value) {
    flag(value.has_value());
    if (value) number(*value);
  }
  void picture(const Picture& value) {
    number(static_cast<std::uint32_t>(value.width()));
    number(static_cast<std::uint32_t>(value.height()));
    const std::vector<RgbHex>& pixels = value.pixels();
    for (std::size_t at = 0; at < pixels.size();) {
      std::size_t end = at + 1;
      while (end < pixels.size() && pixels[end] == pixels[at]) ++end;
      number(static_cast<std::uint32_t>(end - at));
      number(pixels[at]);
      at = end;
    }
  }
  std::string bytes() && { return std::move(bytes_); }
  void raw(std::string_view value) { bytes_ += value; }

 private:
  std::string bytes_;
};

// Reads what Writer wrote; once anything does not fit, every later read fails too.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }
  bool atEnd() const { return ok_ && bytes_.empty(); }

  bool raw(std::string_view expected) {
    if (!bytes_.starts_with(expected)) return fail();
    bytes_.remove_prefix(expected.size());
    return true;
  }
  std::uint32_t number() {
    if (!ok_ || bytes_.size() < 4) return fail(), 0;
    std::uint32_t value = 0;
    for (int at = 3; at >= 0; --at) {
      value = (value << 8) | static_cast<unsigned char>(bytes_[static_cast<std::size_t>(at)]);
    }
    bytes_.remove_prefix(4);
    return value;
  }
  bool flag() {
    if (!ok_ || bytes_.empty() || static_cast<unsigned char>(bytes_[0]) > 1) return fail();
    const bool value = bytes_[0] == 1;
    bytes_.remove_prefix(1);
    return value;
  }
  std::string text() {
    const std::uint32_t size = number();
    if (!ok_ || size > bytes_.size()) return fail(), std::string();
    std::string value(bytes_.substr(0, size));
    bytes_.remove_prefix(size);
    return value;
  }
  std::vector<std::string> texts() {
    std::vector<std::string> values(count(4));
    for (std::string& value : values) value = text();
    return values;
  }
  std::optional<RgbHex> colour() {
    if (!flag()) return std::nullopt;
    return number();
  }
  Picture picture() {
    const std::uint32_t width = number();
    const std::uint32_t height = number();
    if (!ok_ || width > kMostPixels || height > kMostPixels ||
        std::uint64_t{width} * height > kMostPixels) {
      return fail(), Picture();
    }
    Picture value(static_cast<int>(width), static_cast<int>(height));
    std::size_t at = 0;
    const std::size_t size = std::size_t{width} * height;
    while (ok_ && at < size) {
      const std::uint32_t run = number();
      const RgbHex pixel = number();
      if (run == 0 || run > size - at || pixel > 0xffffffu) return fail(), Picture();
      for (const std::size_t end = at + run; at < end; ++at) {
        value.set(static_cast<int>(at % width), static_cast<int>(at / width), pixel);
      }
    }
    return value;
  }
  // The length of a list whose entries take at least `least` bytes each.
  std::size_t count(std::size_t least) {
    const std::uint32_t size = number();
    if (!ok_ || size > bytes_.size() / least) return fail(), 0;
    return size;
  }

 private:
  bool fail() {
    ok_ = false;
    return false;
  }

  std::string_view bytes_;
  bool ok_ = true;
};

void write(Writer& out, const Reading& reading) {
  out.number(reading.face);
  out.colour(reading.text);
}

Reading readReading(Reader& in) {
  Reading reading;
  reading.face = in.number();
  reading.text = in.colour();
  return reading;
}

void write(Writer& out, const ControlResult& control) {
  out.text(control.name);
  out.text(control.typeName);
  out.text(control.className);
  write(out, control.before);
  write(out, control.after);
  out.texts(control.calls);
  out.texts(control.refused);
  out.flag(control.patch);
}

ControlResult readControl(Reader& in) {
  ControlResult control;
  control.name = in.text();
  control.typeName = in.text();
  control.className = in.text();
  control.before = readReading(in);
  control.after = readReading(in);
  control.calls = in.texts();
  control.refused = in.texts();
  control.patch = in.flag();
  return control;
}

constexpr std::uint32_t kOutcomes = 4;

}  // namespace

std::string serializeFormResult(const FormResult& result) {
  Writer out;
  out.raw(kMagic);
  out.text(result.form);
  out.text(result.style);
  out.text(result.heading);
  out.number(static_cast<std::uint32_t>(result.outcome));
  out.text(result.reason);
  out.colour(result.backgroundBefore);
  out.colour(result.backgroundAfter);
  out.texts(result.formCalls);
  out.texts(result.formRefused);
  out.number(static_cast<std::uint32_t>(result.controls.size()));
  for (const ControlResult& control : result.controls) write(out, control);
  out.picture(result.before);
  out.picture(result.after);
  return std::move(out).bytes();
}

std::optional<FormResult> deserializeFormResult(std::string_view bytes) {
  Reader in(bytes);
  FormResult result;
  in.raw(kMagic);
  result.form = in.text();
  result.style = in.text();
  result.heading = in.text();
  const std::uint32_t outcome = in.number();
  if (outcome >= kOutcomes) return std::nullopt;
  result.outcome = static_cast<FormOutcome>(outcome);
  result.reason = in.text();
  result.backgroundBefore = in.colour();
  result.backgroundAfter = in.colour();
  result.formCalls = in.texts();
  result.formRefused = in.texts();
  result.controls.resize(in.count(1));
  for (ControlResult& control : result.controls) control = readControl(in);
  result.before = in.picture();
  result.after = in.picture();
  if (!in.atEnd()) return std::nullopt;
  return result;
}

}  // namespace tour

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ico_reader.h"
#include "res_reader.h"

namespace package_test {
namespace {

constexpr std::uint32_t kIcon = 3, kGroupIcon = 14, kVersion = 16;
constexpr std::uint16_t kSpanishSpain = 0x0C0A;

// The version record and icon group as the 32-bit MinGW resource compiler wrote them.
class VersionRecord : public testing::Test {
 protected:
  std::vector<Resource> resources = readRes(readFile(SKINBENCH_RES_FILE));

  std::vector<const Resource*> ofType(std::uint32_t type) const {
    std::vector<const Resource*> found;
    for (const Resource& resource : resources)
      if (resource.type == type) found.push_back(&resource);
    return found;
  }
  VersionBlock root() const {
    auto versions = ofType(kVersion);
    if (versions.size() != 1) throw std::runtime_error("expected one version record");
    return readVersionBlock(versions[0]->data, 0);
  }
  Bytes fixedInfo() const { return root().value; }
};

TEST_F(VersionRecord, IsOneRecordInSpanishOfSpain) {
  auto versions = ofType(kVersion);
  ASSERT_EQ(versions.size(), 1u);
  EXPECT_EQ(versions[0]->name, 1u);
  EXPECT_EQ(versions[0]->language, kSpanishSpain);
  EXPECT_EQ(root().key, u"VS_VERSION_INFO");
}

TEST_F(VersionRecord, FixedPartNamesVersionOneOfAnApplicationFor32BitWindows) {
  Bytes fixed = fixedInfo();
  ASSERT_EQ(fixed.size(), 52u);
  EXPECT_EQ(u32(fixed, 0), 0xFEEF04BDu);   // signature
  EXPECT_EQ(u32(fixed, 8), 0x00010000u);   // file version 1.0
  EXPECT_EQ(u32(fixed, 12), 0u);           // .0.0
  EXPECT_EQ(u32(fixed, 16), 0x00010000u);  // product version 1.0
  EXPECT_EQ(u32(fixed, 20), 0u);           // .0.0
  EXPECT_EQ(u32(fixed, 28), 0u);           // no flags: not a debug, pre-release or patched build
  EXPECT_EQ(u32(fixed, 32), 0x4u);         // file OS: 32-bit Windows
  EXPECT_EQ(u32(fixed, 36), 1u);           // file type: application
}

TEST_F(VersionRecord, StringTableIsSpanishInUtf16WithTheVersionTexts) {
  VersionBlock record = root();
  const VersionBlock* strings = record.child(u"StringFileInfo");
  ASSERT_NE(strings, nullptr);
  ASSERT_EQ(strings->children.size(), 1u);
  const VersionBlock& table = strings->children[0];
  EXPECT_EQ(table.key, u"0C0A04B0");
  auto value = [&](const std::u16string& key) {
    const VersionBlock* field = table.child(key);
    return field && field->isText ? field->text() : u"(missing)";
  };
  EXPECT_EQ(value(u"FileVersion"), u"1.00");
  EXPECT_EQ(value(u"ProductVersion"), u"1.00");
  EXPECT_EQ(value(u"ProductName"), u"skinbench");
  EXPECT_EQ(value(u"InternalName"), u"skinbench");
  EXPECT_EQ(value(u"OriginalFilename"), u"skinbench.exe");
  EXPECT_FALSE(value(u"CompanyName").empty());
  EXPECT_NE(value(u"CompanyName"), u"(missing)");
}

TEST_F(VersionRecord, TranslationIsSpanishOfSpainWithCodePage1200) {
  VersionBlock record = root();
  const VersionBlock* variables = record.child(u"VarFileInfo");
  ASSERT_NE(variables, nullptr);
  const VersionBlock* translation = variables->child(u"Translation");
  ASSERT_NE(translation, nullptr);
  ASSERT_EQ(translation->value.size(), 4u);  // exactly one language and code page pair
  EXPECT_EQ(u16(translation->value, 0), kSpanishSpain);
  EXPECT_EQ(u16(translation->value, 2), 1200);
}

TEST_F(VersionRecord, IconGroupHoldsTheThreeImagesOfTheIconFile) {
  auto groups = ofType(kGroupIcon);
  ASSERT_EQ(groups.size(), 1u);
  const Bytes& group = groups[0]->data;
  IcoFile ico = readIco(SKINBENCH_ICON_DIR "/skinbench.ico");
  ASSERT_EQ(u16(group, 2), 1);  // icons
  ASSERT_EQ(u16(group, 4), ico.images.size());
  auto icons = ofType(kIcon);
  ASSERT_EQ(icons.size(), ico.images.size());
  for (std::size_t i = 0; i < ico.images.size(); ++i) {
    SCOPED_TRACE(i);
    std::size_t entry = 6 + 14 * i;
    const IcoImage& image = ico.images[i];
    EXPECT_EQ(group.at(entry), image.width);
    EXPECT_EQ(group.at(entry + 2), image.colourCount);
    EXPECT_EQ(u16(group, entry + 6), image.bitCount);
    // The entry names an icon resource holding exactly that image's bytes.
    std::uint16_t id = u16(group, entry + 12);
    auto icon = std::find_if(icons.begin(), icons.end(), [&](auto* r) { return r->name == id; });
    ASSERT_NE(icon, icons.end());
    Bytes expected(ico.data.begin() + image.offset,
                   ico.data.begin() + image.offset + image.bytesInRes);
    EXPECT_EQ((*icon)->data, expected);
  }
}

}  // namespace
}  // namespace package_test

#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include <utility>

// The icon as the program's window gets it: Qt reads the .ico from the executable's resources.
namespace {

const QColor kSteelBlue(70, 130, 180);
constexpr char kIconResource[] = ":/skinbench.ico";

class IconInQt : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "icon_qt_test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);  // lives for the whole test run
  }

  // The index-th image of the .ico, as Qt decodes it.
  static QImage icoImage(int index) {
    QImageReader reader(kIconResource);
    if (!reader.jumpToImage(index)) return {};
    return reader.read().convertToFormat(QImage::Format_ARGB32);
  }
};

TEST_F(IconInQt, ResourceHoldsThreeImagesThatQtCanRead) {
  QImageReader reader(kIconResource);
  ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
  EXPECT_EQ(reader.imageCount(), 3);
  QIcon icon(kIconResource);
  ASSERT_FALSE(icon.isNull());
  EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
  EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
}

TEST_F(IconInQt, SmallIconShowsTheButtonAndClearCorners) {
  QImage small = QIcon(kIconResource).pixmap(QSize(16, 16)).toImage();
  ASSERT_EQ(small.size(), QSize(16, 16));
  EXPECT_EQ(small.pixelColor(8, 8), QColor(Qt::white));
  EXPECT_EQ(small.pixelColor(2, 8), kSteelBlue);
  EXPECT_EQ(small.pixelColor(0, 0).alpha(), 0);
  EXPECT_EQ(small.pixelColor(15, 15).alpha(), 0);
}

TEST_F(IconInQt, InstalledPngsShowTheSamePicturesAsTheIco) {
  // The file's order: 32 x 32 in 2 colours, 32 x 32 in 16 colours, 16 x 16 in 16 colours.
  for (auto [size, index] : {std::pair{32, 1}, {16, 2}}) {
    SCOPED_TRACE(size);
    QImage png(QString(SKINBENCH_ICON_DIR "/skinbench-%1.png").arg(size));
    ASSERT_FALSE(png.isNull());
    QImage ico = icoImage(index);
    ASSERT_FALSE(ico.isNull());
    EXPECT_EQ(png.convertToFormat(QImage::Format_ARGB32), ico);
  }
}

}  // namespace

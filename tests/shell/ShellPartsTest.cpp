// The smaller shell parts: the text table and the program's pictures.
#include <gtest/gtest.h>

#include "shell/Pictures.h"
#include "shell/TestApplication.h"
#include "shell/Texts.h"

namespace shelltest {
namespace {

TEST(TextsTest, EveryTextHasBothLanguagesInIdOrder) {
  const auto table = shell::TextTable();
  for (size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(static_cast<size_t>(table[i].id), i);
    EXPECT_NE(std::string(table[i].english), "");
    EXPECT_NE(std::string(table[i].japanese), "");
  }
  EXPECT_EQ(shell::Text(shell::TextId::Button4, 2), "SHOW");
  EXPECT_EQ(shell::Text(shell::TextId::Button4, 1), "SHOW");
  EXPECT_EQ(shell::Text(shell::TextId::Button4, 0), "表示");
  EXPECT_EQ(shell::Text(shell::TextId::AlreadyShown, 0), "Already shown.");
}

TEST(PicturesTest, EveryPictureIsThereAtItsSize) {
  TestApplication();
  const struct {
    const char* name;
    int width, height;
  } pictures[] = {{"splash", 333, 381}, {"up_f", 21, 16}, {"up_t", 21, 16}, {"stop_f", 21, 10},
                  {"stop_t", 21, 10},   {"dn_f", 21, 16}, {"dn_t", 21, 16}, {"plus", 21, 16},
                  {"minus", 21, 16},    {"usa", 34, 23},  {"jpn", 34, 23},  {"compass", 83, 83}};
  for (const auto& picture : pictures) {
    const QImage image = shell::Picture(QString::fromLatin1(picture.name));
    EXPECT_EQ(image.size(), QSize(picture.width, picture.height)) << picture.name;
  }
  EXPECT_FALSE(shell::Picture("logo").isNull());
  EXPECT_FALSE(shell::Picture("blue_p").isNull());
}

TEST(PicturesTest, JpegDecoderRefusesWhatIsNotAJpeg) {
  EXPECT_TRUE(shell::DecodeJpeg(QByteArray("not a picture at all")).isNull());
  EXPECT_TRUE(shell::DecodeJpeg(QByteArray()).isNull());
  QByteArray truncated("\xFF\xD8\xFF\xE0", 4);
  EXPECT_TRUE(shell::DecodeJpeg(truncated).isNull());
}

}  // namespace
}  // namespace shelltest

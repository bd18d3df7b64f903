#include "resources/Pictures.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>
#include <set>

namespace pictures = norvane::pictures;

namespace {

QByteArray bytesOf(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    return QByteArray(reinterpret_cast<const char*>(image.constBits()),
                      static_cast<qsizetype>(image.sizeInBytes()));
}

// A picture that failed to load renders as a fully transparent square.
bool isBlank(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

} // namespace

TEST(Pictures, ProfileListsHoldEighteenDistinctIconsAndTheirActiveForms) {
    for (int size : {64, 24}) {
        const auto list = pictures::profileImageList(size, true);
        ASSERT_EQ(list.size(), 36u);
        std::set<QByteArray> seen;
        for (const QPixmap& pixmap : list) {
            EXPECT_EQ(pixmap.size(), QSize(size, size));
            EXPECT_FALSE(isBlank(pixmap));
            seen.insert(bytesOf(pixmap));
        }
        EXPECT_EQ(seen.size(), 36u) << "every icon and active form must differ, size " << size;
        EXPECT_EQ(pictures::profileImageList(size, false).size(), 18u);
    }
}

TEST(Pictures, IndexOutsideTheListGivesNoPicture) {
    for (int index : {-1, 36, 1000})
        EXPECT_TRUE(pictures::profileImage(index, 64).isNull()) << index;
    EXPECT_TRUE(pictures::commandImage(5).isNull());
}

TEST(Pictures, EveryOtherPictureLoads) {
    for (int i = 0; i < pictures::CommandImageCount; ++i)
        EXPECT_FALSE(isBlank(pictures::commandImage(i).pixmap(16, 16))) << i;
    for (auto group : {pictures::GroupImage::Profiles, pictures::GroupImage::Options,
                       pictures::GroupImage::About})
        EXPECT_FALSE(isBlank(pictures::groupImage(group)));
    EXPECT_FALSE(isBlank(pictures::flagEnglish()));
    EXPECT_FALSE(isBlank(pictures::flagFrench()));
    EXPECT_FALSE(isBlank(pictures::updateLinkImage()));
    EXPECT_FALSE(isBlank(pictures::logo(QSize(185, 70))));
    EXPECT_FALSE(isBlank(pictures::programPixmap(32)));
}

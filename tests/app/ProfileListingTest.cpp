#include "app/ProfileListing.h"

#include "common/Errors.h"

#include <gtest/gtest.h>

using norvane::ui::ProfileImageIndex;

struct ImageCase {
    const char* image;
    const char* active;
    int expected;
};

class ProfileImage : public ::testing::TestWithParam<ImageCase> {};

TEST_P(ProfileImage, PicksThePlainOrActiveForm) {
    EXPECT_EQ(ProfileImageIndex(GetParam().image, GetParam().active), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileImage,
    ::testing::Values(ImageCase{"5", "1", 23}, ImageCase{"5", "0", 5}, ImageCase{"0", "1", 18},
                      ImageCase{"17", "1", 35}, ImageCase{"17", "", 17},
                      // Only exactly "1" marks the active profile.
                      ImageCase{"5", " 1", 5}, ImageCase{"5", "2", 5},
                      // The editor stores -1 for "no icon"; never borrow another icon.
                      ImageCase{"-1", "0", -1}, ImageCase{"-1", "1", -1}, ImageCase{"18", "0", -1},
                      ImageCase{"+3", "0", 3}));

class ProfileImageFailure : public ::testing::TestWithParam<const char*> {};

TEST_P(ProfileImageFailure, NamesTheTextThatIsNoInteger) {
    try {
        ProfileImageIndex(GetParam(), "0");
        FAIL() << "no failure for '" << GetParam() << "'";
    } catch (const norvane::Exception& failure) {
        EXPECT_EQ(failure.message(),
                  std::string("'") + GetParam() + "' n'est pas une valeur entière correcte");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileImageFailure,
                         ::testing::Values("", "abc", "1.5", "3 ", "+", "99999999999"));

#include "netconfig/platform/linux/NetlinkReader.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace norvane::test {
namespace {

TEST(NameServers, ReadsTheNameserverLinesInOrder) {
    EXPECT_EQ(platform::linux_backend::NameServers("# comment\nsearch example.org\n"
                                                   "nameserver 198.18.0.53\n"
                                                   "nameserver   198.18.1.53 \n"
                                                   "nameserver\noptions edns0\n"),
              (std::vector<std::string>{"198.18.0.53", "198.18.1.53"}));
}

} // namespace
} // namespace norvane::test

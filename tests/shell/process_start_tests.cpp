// Starting the front end: what the started process inherits.
#include "game/shell/process_start.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <set>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

TEST(ProcessStartTest, TheStartedProgramGetsOnlyTheStandardStreams) {
    char pattern[] = "/tmp/crvspawn-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string directory = pattern;
    const std::string listing = directory + "/fds.txt";
    {
        std::ofstream script(directory + "/lister");
        // ls lists its own descriptors, the directory it reads among them.
        script << "#!/bin/sh\nls /proc/self/fd > \"$1.tmp\" && mv \"$1.tmp\" \"$1\"\n";
    }
    chmod((directory + "/lister").c_str(), 0755);
    // Like the disk-audio file SDL opens: no close-on-exec. Above 3, where the listing's own
    // descriptor lies when 3 is free in this process, as it is outside CTest.
    const int opened = open("/dev/null", O_RDONLY);
    ASSERT_GE(opened, 0);
    const int inherited = fcntl(opened, F_DUPFD, 20);
    close(opened);
    ASSERT_GE(inherited, 20);
    const int high = dup2(inherited, 40);
    ASSERT_EQ(high, 40);

    const char* argv[1] = {listing.c_str()};
    ASSERT_TRUE(crv::startDetached("lister", argv, 1, directory + "/"));
    std::set<int> descriptors;
    for (int i = 0; i < 200 && descriptors.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        std::ifstream file(listing);
        for (int fd = 0; file >> fd;) {
            descriptors.insert(fd);
        }
    }
    close(inherited);
    close(high);
    std::system(("rm -rf " + directory).c_str());

    ASSERT_EQ(descriptors.size(), 4u) << "0, 1, 2 and the listing's own";
    for (int fd : {0, 1, 2}) {
        EXPECT_EQ(descriptors.count(fd), 1u) << fd;
    }
    EXPECT_EQ(descriptors.count(inherited), 0u);
    EXPECT_EQ(descriptors.count(high), 0u);
}

} // namespace

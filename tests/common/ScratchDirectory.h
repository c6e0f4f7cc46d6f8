// A fresh current directory for a test's lifetime, removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

struct ScratchDirectory {
    char dir[32] = "/tmp/tollwick-test-XXXXXX", previous[4096];
    bool ready = mkdtemp(dir) != nullptr && getcwd(previous, sizeof previous) != nullptr && chdir(dir) == 0;
    ~ScratchDirectory() {
        if (ready && (chdir(previous) != 0 || std::system((std::string("rm -rf ") + dir).c_str()) != 0))
            ADD_FAILURE();
    }
};

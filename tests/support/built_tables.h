// Endgame tables built for a test program into a temporary folder of its
// own, opened from there, and removed with the folder at the end.
#pragma once

#include "engine/endgame/endgame.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

struct BuiltTables {
    std::string folder;
    EndgameTables tables;

    explicit BuiltTables(int maxPieces) {
        char pattern[] = "/tmp/quarn-tables-test-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            ADD_FAILURE() << "no temporary folder";
            return;
        }
        folder = pattern;
        std::string error;
        if (!BuildTables(maxPieces, folder, error)) ADD_FAILURE() << error;
        tables.open({folder});
        EXPECT_TRUE(tables.problems().empty());
    }
    ~BuiltTables() {
        if (!folder.empty()) std::filesystem::remove_all(folder);
    }
};

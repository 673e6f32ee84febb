#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/FileService.h"

namespace corlinth::platform {
namespace {

class FileServiceTest : public ::testing::Test {
  protected:
    std::string path(const char* name) const {
        return (m_dir.path() + QLatin1Char('/') + QLatin1String(name)).toStdString();
    }
    QTemporaryDir m_dir;
};

TEST_F(FileServiceTest, WritesAndReplacesWholeFiles) {
    const std::string file = path("a.rtf");
    ASSERT_TRUE(writeFileAtomically(file, "first"));
    ASSERT_TRUE(writeFileAtomically(file, "second, longer"));
    EXPECT_EQ(readFile(file), "second, longer");
    EXPECT_EQ(fileSize(file), 14u);
}

TEST_F(FileServiceTest, ReadOnlyFileIsNeitherReplacedNorChanged) {
    const std::string file = path("locked.rtf");
    ASSERT_TRUE(writeFileAtomically(file, "keep me"));
    ASSERT_TRUE(setReadOnly(file, true));
    EXPECT_TRUE(isReadOnly(file));
    const FileResult result = writeFileAtomically(file, "lost");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(readFile(file), "keep me");
    ASSERT_TRUE(setReadOnly(file, false));
    EXPECT_FALSE(isReadOnly(file));
    EXPECT_TRUE(writeFileAtomically(file, "now"));
}

TEST_F(FileServiceTest, VanishedFolderFailsWithAMessage) {
    const std::string file = path("gone/sub/a.rtf");
    const FileResult result = writeFileAtomically(file, "x");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_FALSE(fileExists(file));
}

TEST_F(FileServiceTest, ReadRefusesLargeFilesAndMissingOnes) {
    const std::string file = path("big.dat");
    ASSERT_TRUE(writeFileAtomically(file, std::string(100, 'x')));
    std::string error;
    EXPECT_FALSE(readFile(file, &error, 99).has_value());
    EXPECT_TRUE(readFile(file, &error, 100).has_value());
    EXPECT_FALSE(readFile(path("missing"), &error).has_value());
    EXPECT_FALSE(error.empty());
}

TEST_F(FileServiceTest, FoldersAndFreeSpace) {
    const std::string folder = path("x/y/z");
    ASSERT_TRUE(makeFolders(folder));
    ASSERT_TRUE(makeFolders(folder));  // already there is fine
    EXPECT_GT(freeSpace(folder), 0u);
    EXPECT_GT(freeSpace(path("not/yet/there.rtf")), 0u);  // asks the nearest existing parent
}

}  // namespace
}  // namespace corlinth::platform

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <random>

#include "spreadsheet/io/whole_file.h"
#include "spreadsheet/model/error.h"

namespace spreadsheet::io {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class WholeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "whole_file_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    simulateFullDisk(std::nullopt);
    fs::remove_all(dir);
  }
  std::string at(const std::string& leaf) const { return (dir / leaf).string(); }
  static Bytes read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  static std::string messageOf(const std::function<void()>& f) {
    try {
      f();
    } catch (const Error& e) {
      return e.what();
    }
    return "no error";
  }
  // Names in the folder besides the ones a test made: a left-over temporary file shows here.
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
  }
  fs::path dir;
  const Bytes kOld{'o', 'l', 'd'};
  const Bytes kNew{'n', 'e', 'w', ' ', 'b', 'y', 't', 'e', 's'};
};

TEST_F(WholeFileTest, NewAndReplacedFilesHoldExactlyTheBytesAndKeepTheirMode) {
  writeWholeFile(at("a.xls"), kOld);
  EXPECT_EQ(read(at("a.xls")), kOld);
  ASSERT_EQ(::chmod(at("a.xls").c_str(), 0600), 0);
  writeWholeFile(at("a.xls"), kNew);
  EXPECT_EQ(read(at("a.xls")), kNew);
  struct stat st {};
  ASSERT_EQ(::stat(at("a.xls").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  ASSERT_EQ(::chmod(at("a.xls").c_str(), 0640), 0);
  writeWholeFile(at("a.xls"), Bytes{});
  ASSERT_EQ(::stat(at("a.xls").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_size, 0);
  EXPECT_EQ(entries(), 1u);

  // A user's file saved by root stays the user's.
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(at("a.xls").c_str(), 1234, 2345), 0);
    writeWholeFile(at("a.xls"), kNew);
    ASSERT_EQ(::stat(at("a.xls").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 1234u);
    EXPECT_EQ(st.st_gid, 2345u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
  }
}

TEST_F(WholeFileTest, ASymbolicLinkStaysALinkAndItsTargetIsReplacedInItsOwnFolder) {
  fs::create_directory(dir / "real");
  writeWholeFile(at("real/t.pdf"), kOld);
  fs::create_symlink("real/t.pdf", dir / "link.pdf");
  fs::create_symlink("link.pdf", dir / "link2.pdf");  // a chain of links
  writeWholeFile(at("link2.pdf"), kNew);
  EXPECT_TRUE(fs::is_symlink(dir / "link.pdf"));
  EXPECT_TRUE(fs::is_symlink(dir / "link2.pdf"));
  EXPECT_EQ(read(at("real/t.pdf")), kNew);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), {}), 1);

  fs::create_symlink("real/new.bmp", dir / "dangling.bmp");  // target not there yet
  writeWholeFile(at("dangling.bmp"), kNew);
  EXPECT_TRUE(fs::is_symlink(dir / "dangling.bmp"));
  EXPECT_EQ(read(at("real/new.bmp")), kNew);

  fs::create_symlink("loop", dir / "loop");
  EXPECT_NE(messageOf([&] { writeWholeFile(at("loop"), kNew); }).find(at("loop")),
            std::string::npos);
}

TEST_F(WholeFileTest, AFifoIsWrittenIntoWhenReadAndRefusedWhenNobodyReads) {
  ASSERT_EQ(::mkfifo(at("pipe").c_str(), 0600), 0);
  EXPECT_NE(messageOf([&] { writeWholeFile(at("pipe"), kNew); }).find("nobody reads"),
            std::string::npos);
  auto reader = std::async(std::launch::async, [&] { return read(at("pipe")); });
  // The reader may not have opened yet: retry until it has.
  for (int i = 0; i < 500; ++i) {
    try {
      writeWholeFile(at("pipe"), kNew);
      break;
    } catch (const Error&) {
      ::usleep(2000);
    }
  }
  EXPECT_EQ(reader.get(), kNew);
  struct stat st {};
  ASSERT_EQ(::lstat(at("pipe").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(entries(), 1u);
}

TEST_F(WholeFileTest, SocketsFoldersAndDiskDevicesAreRefusedAndStayWhatTheyAre) {
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(s, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const std::string socketPath = at("sock");
  ASSERT_LT(socketPath.size(), sizeof addr.sun_path);
  std::strcpy(addr.sun_path, socketPath.c_str());
  ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  EXPECT_NE(messageOf([&] { writeWholeFile(socketPath, kNew); }).find(socketPath),
            std::string::npos);
  ::close(s);
  struct stat st {};
  ASSERT_EQ(::lstat(socketPath.c_str(), &st), 0);
  EXPECT_TRUE(S_ISSOCK(st.st_mode));

  EXPECT_THROW(writeWholeFile(dir.string(), kNew), Error);
  EXPECT_THROW(writeWholeFile(at("missing/a.xls"), kNew), Error);
  EXPECT_THROW(writeWholeFile("", kNew), Error);

  // A device node made in our own folder: only where the system lets us make one.
  if (::mknod(at("disk").c_str(), S_IFBLK | 0600, makedev(7, 200)) == 0) {
    EXPECT_THROW(writeWholeFile(at("disk"), kNew), Error);
    ASSERT_EQ(::lstat(at("disk").c_str(), &st), 0);
    EXPECT_TRUE(S_ISBLK(st.st_mode));
  }
}

TEST_F(WholeFileTest, ACharacterDeviceIsWrittenIntoAndNeverReplaced) {
  // The null device under a new name in our own folder (needs the right to make nodes).
  if (::mknod(at("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
    GTEST_SKIP() << "device nodes cannot be made here";
  writeWholeFile(at("null"), Bytes(25600, 7));
  struct stat st {};
  ASSERT_EQ(::lstat(at("null").c_str(), &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
  EXPECT_EQ(entries(), 1u);
}

TEST_F(WholeFileTest, AFullDiskLeavesTheOldFileWholeAndNoTemporaryBehind) {
  writeWholeFile(at("a.pdf"), kOld);
  for (std::size_t room : {std::size_t{0}, std::size_t{4}, kNew.size() - 1}) {
    simulateFullDisk(room);
    const std::string message = messageOf([&] { writeWholeFile(at("a.pdf"), kNew); });
    EXPECT_NE(message.find(at("a.pdf")), std::string::npos) << message;
    EXPECT_NE(message.find("No space left on device"), std::string::npos) << message;
    EXPECT_EQ(read(at("a.pdf")), kOld);
    EXPECT_EQ(entries(), 1u);
  }
  simulateFullDisk(kNew.size());  // exactly enough
  writeWholeFile(at("a.pdf"), kNew);
  EXPECT_EQ(read(at("a.pdf")), kNew);
}

TEST_F(WholeFileTest, ALeftOverTemporaryNameOrALinkInTheFolderIsNeverWrittenThrough) {
  // Someone placed links under every name the writer might pick for its temporary file.
  writeWholeFile(at("victim"), kOld);
  for (int n = 0; n < 200; ++n)
    fs::create_symlink("victim", dir / (".a.xls." + std::to_string(::getpid()) + "." +
                                        std::to_string(n) + ".tmp"));
  try {
    writeWholeFile(at("a.xls"), kNew);
  } catch (const Error&) {
  }
  EXPECT_EQ(read(at("victim")), kOld);
}

TEST_F(WholeFileTest, OutputsAreComparedByTheFileTheyEndAt) {
  writeWholeFile(at("s.xls"), kOld);
  fs::create_symlink("s.xls", dir / "l.pdf");
  fs::create_symlink("later.xls", dir / "m.pdf");
  fs::create_directory(dir / "sub");
  EXPECT_TRUE(sameFile(at("s.xls"), at("l.pdf")));
  EXPECT_TRUE(sameFile(at("s.xls"), at("sub/../s.xls")));
  EXPECT_TRUE(sameFile(at("later.xls"), at("m.pdf")));  // neither exists yet
  EXPECT_FALSE(sameFile(at("s.xls"), at("m.pdf")));
  EXPECT_FALSE(sameFile(at("a.pdf"), at("b.pdf")));
}

TEST_F(WholeFileTest, NamesUpToTheLongestAllowedAreWrittenAndReplaced) {
  for (const std::size_t length :
       {std::size_t{200}, std::size_t{241}, std::size_t{250}, std::size_t{255}}) {
    const std::string name = std::string(length - 4, 'n') + ".xls";
    writeWholeFile(at(name), kOld);
    writeWholeFile(at(name), kNew);
    EXPECT_EQ(read(at(name)), kNew) << length;
    fs::remove(at(name));
    EXPECT_EQ(entries(), 0u) << length;
  }
}

TEST_F(WholeFileTest, ThePipeBehindADescriptorLinkIsWrittenInto) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  auto reader = std::async(std::launch::async, [&] {
    Bytes got;
    std::uint8_t chunk[256];
    for (ssize_t n; (n = ::read(ends[0], chunk, sizeof chunk)) > 0;)
      got.insert(got.end(), chunk, chunk + n);
    return got;
  });
  writeWholeFile("/proc/self/fd/" + std::to_string(ends[1]), kNew);
  writeWholeFile("/dev/fd/" + std::to_string(ends[1]), kOld);
  ::close(ends[1]);
  Bytes both = kNew;
  both.insert(both.end(), kOld.begin(), kOld.end());
  EXPECT_EQ(reader.get(), both);
  ::close(ends[0]);
}

}  // namespace
}  // namespace spreadsheet::io

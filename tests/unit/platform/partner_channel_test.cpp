// Messages between the command and its drawing program: any bytes but zero
// arrive as sent, in order, however the socket splits them; a closed side is
// an end, never a hang or a signal.
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/partner_process.h"

namespace {

TEST(PartnerChannel, MessagesArriveWholeAndInOrderAndAClosedSideIsTheEnd) {
  int ends[2];
  ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
  platform::MessageChannel command(ends[0]);
  platform::MessageChannel partner(ends[1]);
  const std::vector<std::string> messages = {
      "ready",
      "",
      "/tmp/a folder\nwith a line feed/generated.xls",
      std::string("/tmp/x\xFF\xFE/not UTF-8"),
      std::string(5000, 'p'),  // longer than one read
  };
  for (const std::string& m : messages) ASSERT_TRUE(command.writeMessage(m)) << m;
  for (const std::string& m : messages) EXPECT_EQ(partner.readMessage(), m);
  // Two messages in one write, split anywhere, still come as two.
  ASSERT_EQ(::write(ends[0], "one\0tw", 6), 6);
  ASSERT_EQ(::write(ends[0], std::string("o\0", 2).data(), 2), 2);
  EXPECT_EQ(partner.readMessage(), "one");
  EXPECT_EQ(partner.readMessage(), "two");
  // A message cut short by the end is no message.
  ASSERT_EQ(::write(ends[0], "half", 4), 4);
  command.close();
  EXPECT_EQ(partner.readMessage(), std::nullopt);
  EXPECT_EQ(partner.readMessage(), std::nullopt);
  // Writing to a side that has gone fails instead of raising SIGPIPE.
  EXPECT_FALSE(partner.writeMessage(std::string(1 << 20, 'x')));
}

TEST(PartnerChannel, AProgramThatCannotStartSaysWhy) {
  char name[] = "no-such-program";
  char* argv[] = {name, nullptr};
  platform::PartnerProcess process("/nonexistent/no-such-program", argv);
  EXPECT_FALSE(process.started());
  EXPECT_EQ(process.failure(), "No such file or directory");
  EXPECT_EQ(process.finish(), 1);
}

}  // namespace

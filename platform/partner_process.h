#pragma once
#include <optional>
#include <string>

// A second program that works beside this one and talks with it over one
// socket (so that a write to a partner that has gone fails instead of raising
// SIGPIPE), in messages that end with a zero byte: a file's path may hold any
// other byte.
namespace platform {

// The environment variable that hands a partner its end of the channel.
inline constexpr char kPartnerChannelVariable[] = "TALLYLOOM_PARTNER_CHANNEL";

class MessageChannel {
 public:
  explicit MessageChannel(int descriptor) : descriptor_(descriptor) {}
  ~MessageChannel();
  MessageChannel(const MessageChannel&) = delete;
  MessageChannel& operator=(const MessageChannel&) = delete;

  // The next message, without its ending zero; nullopt when the other side
  // closed its end (or ended) before a whole message came.
  std::optional<std::string> readMessage();
  // False when the other side is gone.
  bool writeMessage(const std::string& message);
  // Ends our side: the other side reads the end of the input.
  void close();

 private:
  int descriptor_;
  std::string pending_;
};

// This program's channel when it was started as a partner, else nullopt.
std::optional<int> partnerChannelFromEnvironment();

// The partner process from this side: started with `argv`, the same
// environment and descriptors, and its end of the channel named in
// kPartnerChannelVariable. The destructor closes the channel and waits for it.
class PartnerProcess {
 public:
  PartnerProcess(const std::string& path, char** argv);
  ~PartnerProcess();
  PartnerProcess(const PartnerProcess&) = delete;
  PartnerProcess& operator=(const PartnerProcess&) = delete;

  bool started() const { return process_ > 0; }
  const std::string& failure() const { return failure_; }  // the system's reason when not started
  MessageChannel& channel() { return *channel_; }
  // Closes the channel and waits for the partner's end: its exit status, or
  // 128 + the signal that ended it.
  int finish();

 private:
  int process_ = -1;
  std::optional<MessageChannel> channel_;
  std::optional<int> status_;
  std::string failure_;
};

}  // namespace platform

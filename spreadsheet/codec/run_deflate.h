#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace spreadsheet::codec {

// Writes a zlib stream (RFC 1950/1951) whose only matches are runs of one
// byte, coded with the fixed Huffman codes, into `out`. Made for filtered
// image rows, where a flat picture is mostly runs of zeros: a run costs a
// few bits per 258 bytes, and runs known to be zeros are never scanned.
class RunDeflater {
 public:
  explicit RunDeflater(std::vector<std::uint8_t>& out);
  RunDeflater(const RunDeflater&) = delete;
  RunDeflater& operator=(const RunDeflater&) = delete;

  void add(const std::uint8_t* data, std::size_t size);
  // The same as add() on `count` zero bytes.
  void addZeros(std::size_t count);
  // Ends the stream with its checksum; nothing may be added afterwards.
  void finish();

 private:
  void literal(std::uint8_t byte);
  void run(std::size_t count);  // repeats the last byte written
  void bits(std::uint32_t value, int count);
  void flushStaged();
  void adler(const std::uint8_t* data, std::size_t size);

  std::vector<std::uint8_t>& out_;
  std::uint64_t pending_ = 0;  // bits not yet in `out_`, first bit lowest
  int pendingCount_ = 0;
  std::uint32_t adlerA_ = 1;
  std::uint32_t adlerB_ = 0;
  std::uint8_t last_ = 0;  // the last byte written, which a run repeats
  bool empty_ = true;
  std::array<std::uint8_t, 4096> staged_{};  // whole words not yet in `out_`
  std::size_t stagedSize_ = 0;
};

}  // namespace spreadsheet::codec

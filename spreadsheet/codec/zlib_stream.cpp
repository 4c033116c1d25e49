#include "spreadsheet/codec/zlib_stream.h"

#include <zlib.h>

#include "spreadsheet/model/error.h"

namespace spreadsheet::codec {

std::string zlibStream(std::string_view data, int level) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()),
                level) != Z_OK)
    throw Error("The data cannot be compressed.");
  out.resize(size);
  return out;
}

}  // namespace spreadsheet::codec

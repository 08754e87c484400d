#include "compressed_file.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>

namespace lexmake {
namespace {

constexpr int kGzipWindow = 15 + 16;  // the largest window, gzip wrapper only
constexpr size_t kChunk = 1 << 20;

// zlib takes sizes as 32-bit values; the caller feeds it in pieces.
uInt pieceOf(size_t size) { return static_cast<uInt>(std::min<size_t>(size, kChunk)); }

}  // namespace

bool inflateGzip(const std::string& compressed, std::string* content, std::string* error, Progress* progress) {
  content->clear();
  z_stream stream = {};
  if (inflateInit2(&stream, kGzipWindow) != Z_OK) {
    *error = "cannot start zlib";
    return false;
  }
  const auto* input = reinterpret_cast<const Bytef*>(compressed.data());
  size_t consumed = 0;
  std::string buffer(kChunk, '\0');
  bool ok = true;
  bool ended = false;
  while (ok) {
    if (stream.avail_in == 0 && consumed < compressed.size()) {
      stream.next_in = const_cast<Bytef*>(input + consumed);
      stream.avail_in = pieceOf(compressed.size() - consumed);
      consumed += stream.avail_in;
      progress->update(consumed);
    }
    stream.next_out = reinterpret_cast<Bytef*>(&buffer[0]);
    stream.avail_out = static_cast<uInt>(buffer.size());
    const int status = inflate(&stream, Z_NO_FLUSH);
    const size_t produced = buffer.size() - stream.avail_out;
    if (content->size() + produced > kMaxInflatedSize) {
      *error = "inflates to more than 2 GiB";
      ok = false;
      break;
    }
    content->append(buffer, 0, produced);
    if (status == Z_STREAM_END) {
      ended = true;
      // Another member may follow.
      if (stream.avail_in == 0 && consumed == compressed.size()) break;
      if (inflateReset(&stream) != Z_OK) ok = false;
      ended = false;
      continue;
    }
    if (status == Z_BUF_ERROR && stream.avail_in == 0 && consumed == compressed.size()) {
      *error = "the compressed data ends early";
      ok = false;
    } else if (status != Z_OK && status != Z_BUF_ERROR) {
      *error = std::string("damaged compressed data") + (stream.msg != nullptr ? std::string(" (") + stream.msg + ")" : "");
      ok = false;
    }
  }
  inflateEnd(&stream);
  return ok && ended;
}

}  // namespace lexmake

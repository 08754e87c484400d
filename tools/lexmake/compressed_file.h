// Reads gzip-compressed files, such as the dictzip files (.dict.dz) of dictd
// databases: dictzip is gzip with an index of its chunks in the header's
// extra field, which a reader of the whole file can pass over.
#ifndef LEXMAKE_COMPRESSED_FILE_H
#define LEXMAKE_COMPRESSED_FILE_H

#include <cstddef>
#include <string>

#include "progress.h"

namespace lexmake {

// No input is allowed to inflate to more than this.
constexpr size_t kMaxInflatedSize = size_t{1} << 31;

// Inflates the gzip data `compressed` (one or more members back to back)
// into `content`.  False with a reason in `error` when the data is damaged,
// ends early or inflates to more than kMaxInflatedSize bytes.
bool inflateGzip(const std::string& compressed, std::string* content, std::string* error, Progress* progress);

}  // namespace lexmake

#endif  // LEXMAKE_COMPRESSED_FILE_H

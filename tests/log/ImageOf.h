// A file image holding given bytes, loaded as the document loads a log: the
// bytes go through a temporary file that is removed again.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "log/Framing.h"
#include "log/RecordParser.h"

inline std::shared_ptr<LogFileImage> ImageOf(const Bytes& bytes) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("qlx-image-" + std::to_string(getpid()) + ".qlx");
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  auto image = std::make_shared<LogFileImage>();
  const int32_t loaded = image->Load(path.c_str());
  std::filesystem::remove(path);
  if (loaded != 0) throw std::runtime_error("cannot load " + path.string());
  return image;
}

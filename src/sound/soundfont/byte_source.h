#pragma once
// Where a soundfont's bytes are read from, a piece at a time: a file, read
// where it is needed (the tables and one preset's samples of a 148 MB
// soundfont are a few megabytes), or bytes already in memory.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace fretlab {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Reads `count` bytes from `offset` on; false when the source ends before
  // or cannot be read.
  virtual bool ReadAt(std::uint64_t offset, void* out, std::size_t count) const = 0;
};

class FileSource : public ByteSource {
 public:
  // Null, with the system's reason in `failure`, when the file cannot be
  // opened.
  static std::unique_ptr<FileSource> Open(const std::string& path, std::string& failure);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, void* out, std::size_t count) const override;

 private:
  FileSource(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  int fd_;
  std::uint64_t size_;
};

// The bytes must outlive the source.
class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(std::uint64_t offset, void* out, std::size_t count) const override;

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace fretlab

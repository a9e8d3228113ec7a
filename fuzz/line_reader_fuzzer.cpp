// The line readers on any file: the input's first byte is the capacity (0 to 255), the rest is the
// file, read to its end with the single-byte and then with the UTF-16 reader. Every line must stay
// within its capacity and be terminated, the buffer's bytes beyond capacity + 1 must stay as they
// were, no line may hold a carriage return (up to its first zero: a zero of the file is stored like
// any character), and a line reported as none must be empty.
#include <dsup.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr unsigned char guardByte = 0xA5;
constexpr std::size_t guardUnits = 16;

const std::string& hostPath() {
  static const std::string path = "/tmp/dsup-line-reader-fuzz-" + std::to_string(getpid());
  return path;
}

HANDLE openFile(const std::uint8_t* data, std::size_t size) {
  FILE* file = std::fopen(hostPath().c_str(), "wb");
  if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
  const std::u16string path(hostPath().begin(), hostPath().end());
  HANDLE handle = CreateFileW(reinterpret_cast<LPCWSTR>(path.c_str()), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) std::abort();
  return handle;
}

template <class Unit, INT (*readLine)(Unit*, INT, HANDLE)>
void readAll(const std::uint8_t* data, std::size_t size, INT capacity) {
  HANDLE file = openFile(data, size);
  const std::size_t units = size / sizeof(Unit);
  std::vector<Unit> buffer(static_cast<std::size_t>(capacity) + 1 + guardUnits);
  for (std::size_t call = 0; call <= units + 1; ++call) {
    std::fill(buffer.begin(), buffer.end(), static_cast<Unit>(guardByte));
    const INT result = readLine(buffer.data(), capacity, file);
    std::size_t length = 0;
    while (length <= static_cast<std::size_t>(capacity) && buffer[length] != 0) ++length;
    if (length > static_cast<std::size_t>(capacity)) std::abort();  // not terminated within capacity + 1
    for (std::size_t i = static_cast<std::size_t>(capacity) + 1; i < buffer.size(); ++i)
      if (buffer[i] != static_cast<Unit>(guardByte)) std::abort();
    for (std::size_t i = 0; i < length; ++i)
      if (buffer[i] == '\r') std::abort();
    if (result != 1 && (result != 0 || length != 0)) std::abort();
  }
  CloseHandle(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const INT capacity = data[0];
  readAll<char, DSupReadLineFromFile>(data + 1, size - 1, capacity);
  readAll<WCHAR, DSupReadLineFromFileW>(data + 1, size - 1, capacity);
  return 0;
}

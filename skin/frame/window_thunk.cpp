#include "skin/frame/window_thunk.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

namespace zembrel {
namespace {

static_assert(sizeof(void*) == 8, "the thunk's code is written for x86-64");

// One executable heap for every thunk of the process; it lives as long as the process.
HANDLE ThunkHeap() {
  static const HANDLE heap = HeapCreate(HEAP_CREATE_ENABLE_EXECUTE, 0, 0);
  return heap;
}

constexpr size_t kThunkSize = 32;

}  // namespace

WindowThunk::WindowThunk(void* self, ThunkEntry entry) {
  code_ = static_cast<unsigned char*>(HeapAlloc(ThunkHeap(), 0, kThunkSize));
  if (!code_) throw std::bad_alloc();
  unsigned char* p = code_;
  const uint64_t self_bits = reinterpret_cast<uint64_t>(self);
  const uint64_t entry_bits = reinterpret_cast<uint64_t>(entry);
  *p++ = 0x48;  // mov rcx, self
  *p++ = 0xB9;
  std::memcpy(p, &self_bits, 8);
  p += 8;
  *p++ = 0x48;  // mov rax, entry
  *p++ = 0xB8;
  std::memcpy(p, &entry_bits, 8);
  p += 8;
  *p++ = 0xFF;  // jmp rax
  *p++ = 0xE0;
  FlushInstructionCache(GetCurrentProcess(), code_, kThunkSize);
}

WindowThunk::~WindowThunk() { Reset(); }

WindowThunk::WindowThunk(WindowThunk&& other) noexcept : code_(std::exchange(other.code_, nullptr)) {}

WindowThunk& WindowThunk::operator=(WindowThunk&& other) noexcept {
  if (this != &other) {
    Reset();
    code_ = std::exchange(other.code_, nullptr);
  }
  return *this;
}

void WindowThunk::Reset() {
  if (code_) HeapFree(ThunkHeap(), 0, std::exchange(code_, nullptr));
}

}  // namespace zembrel

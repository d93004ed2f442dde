#pragma once
// The pool that pooled text fields (PooledChars, bounded_text.h) take their
// bytes from: chunks of 8 to 256 bytes, in steps of 8, cut from large
// blocks. A chunk given back is kept for the next text of its size, so a
// check reuses what the one before it held. Blocks are never handed back
// to the system. Single-threaded, as the module is.
#include <cstddef>

// Module-wide.
struct TextPoolState {
  static constexpr std::size_t kStep = 8;
  static constexpr std::size_t kLargest = 256;
  static constexpr std::size_t kBlockBytes = std::size_t{64} << 10;

  // A chunk of `bytes` (a multiple of kStep, at most kLargest), not cleared.
  char* Take(std::size_t bytes);
  // Gives back a chunk that Take answered for the same size.
  void Give(char* chunk, std::size_t bytes);

  char* blocks = nullptr;  // each block begins with the link to the one before
  char* next = nullptr;    // the unused rest of the newest block
  char* end = nullptr;
  char* free[kLargest / kStep] = {};  // given-back chunks, by size
};
extern TextPoolState TextPool;

// Bytes of the chunk that holds at least `bytes`.
constexpr std::size_t PoolChunkBytes(std::size_t bytes) {
  return (bytes + TextPoolState::kStep - 1) / TextPoolState::kStep * TextPoolState::kStep;
}

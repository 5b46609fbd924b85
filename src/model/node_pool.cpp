#include "model/node_pool.h"

namespace trm {

void* NodePool::take(size_t size, size_t align) {
    const size_t rounded = roundedSize(size, align);
    if (blockSize_ == 0) blockSize_ = rounded;
    if (rounded != blockSize_ || align > alignof(std::max_align_t)) return nullptr;
    if (free_ != nullptr) {
        FreeBlock* block = free_;
        free_ = block->next;
        return block;
    }
    if (unused_ == unusedEnd_) {
        const size_t bytes = nextChunk_ * blockSize_;
        chunks_.emplace_back(new std::max_align_t[(bytes + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t)]);
        unused_ = reinterpret_cast<char*>(chunks_.back().get());
        unusedEnd_ = unused_ + bytes;
        if (nextChunk_ < largestChunk) nextChunk_ *= 2;
    }
    void* block = unused_;
    unused_ += blockSize_;
    return block;
}

void NodePool::give(void* block) {
    FreeBlock* freed = static_cast<FreeBlock*>(block);
    freed->next = free_;
    free_ = freed;
}

}  // namespace trm

// Storage for the nodes of a folder's entry lists: blocks of one size carved
// from chunks that grow as the folder does. Every heap block costs bytes
// beyond its size, and a scan made one per entry; a chunk holds many.
// A freed node is taken again first; the chunks go with the pool.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace trm {

class NodePool {
public:
    NodePool() = default;
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;

    // A block of `size` bytes, aligned for `align`; null when the pool
    // serves another size (the first request fixes it).
    void* take(size_t size, size_t align);
    // Whether take serves blocks of this size.
    bool serves(size_t size, size_t align) const { return blockSize_ != 0 && blockSize_ == roundedSize(size, align); }
    // Gives back a block from take; it is handed out again first.
    void give(void* block);

private:
    static size_t roundedSize(size_t size, size_t align) {
        const size_t unit = align > sizeof(void*) ? align : sizeof(void*);
        return (size + unit - 1) / unit * unit;
    }

    static constexpr size_t firstChunk = 8;  // nodes: most folders hold a few entries
    static constexpr size_t largestChunk = 1024;

    struct FreeBlock {
        FreeBlock* next;
    };

    size_t blockSize_ = 0;
    size_t nextChunk_ = firstChunk;
    std::vector<std::unique_ptr<std::max_align_t[]>> chunks_;
    char* unused_ = nullptr;  // the rest of the newest chunk
    char* unusedEnd_ = nullptr;
    FreeBlock* free_ = nullptr;
};

// An allocator of single nodes from a NodePool shared by the lists that
// splice nodes between them (they compare equal); anything else comes from
// the heap.
template <typename T>
class PoolAllocator {
public:
    using value_type = T;

    explicit PoolAllocator(NodePool& pool) : pool_(&pool) {}
    template <typename U>
    PoolAllocator(const PoolAllocator<U>& other) : pool_(other.pool()) {}

    T* allocate(size_t count) {
        if (count == 1)
            if (void* block = pool_->take(sizeof(T), alignof(T))) return static_cast<T*>(block);
        return std::allocator<T>().allocate(count);
    }
    void deallocate(T* block, size_t count) {
        // A single node of the pool's size came from the pool.
        if (count == 1 && pool_->serves(sizeof(T), alignof(T)))
            pool_->give(block);
        else
            std::allocator<T>().deallocate(block, count);
    }

    NodePool* pool() const { return pool_; }
    template <typename U>
    bool operator==(const PoolAllocator<U>& other) const {
        return pool_ == other.pool();
    }
    template <typename U>
    bool operator!=(const PoolAllocator<U>& other) const {
        return pool_ != other.pool();
    }

private:
    NodePool* pool_;
};

}  // namespace trm

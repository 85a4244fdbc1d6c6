#pragma once

#include <cstddef>

// A block of bytes from the system's pages rather than the heap, so that once a list file's
// text has been read and the list keeps only part of it, the pages past that part can be given
// back (a heap block would keep them). Its addresses may be set aside first and its pages
// committed as they fill, so that a block that grows never moves.
class CTextBlock {
public:
    CTextBlock() = default;
    ~CTextBlock();
    CTextBlock(const CTextBlock&) = delete;
    CTextBlock& operator=(const CTextBlock&) = delete;

    // Sets aside addresses for up to limit bytes, with no memory behind them yet; only for an
    // empty block. Reserve then commits pages there, in place. False when there is no room.
    bool ReserveAddresses(size_t limit);
    // Room for at least capacity bytes, keeping those held; false when there is no memory.
    bool Reserve(size_t capacity);
    char* Data() { return m_data; }
    size_t Size() const { return m_size; }
    size_t Capacity() const { return m_capacity; }
    // How many bytes from the start are held (at most the capacity).
    void SetSize(size_t size) { m_size = size < m_capacity ? size : m_capacity; }
    // Keeps the first size bytes and gives the whole pages after them back.
    void Shrink(size_t size);

private:
    char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_capacity = 0;   // committed
    size_t m_reserved = 0;   // addresses set aside, committed or not
};

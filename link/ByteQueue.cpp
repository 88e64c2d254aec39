#include "ByteQueue.h"

void CByteQueue::Reset() {
    m_Buffer.fill(0);
    m_nTail.store(0, std::memory_order_release);
    m_nHead.store(0, std::memory_order_release);
}

int CByteQueue::Count() const {
    const int32_t tail = m_nTail.load(std::memory_order_acquire);
    const int32_t head = m_nHead.load(std::memory_order_acquire);
    return (tail - head + kSize) % kSize;
}

bool CByteQueue::Push(uint8_t byte) {
    const int32_t tail = m_nTail.load(std::memory_order_relaxed);
    const int32_t next = (tail + 1) % kSize;
    if (next == m_nHead.load(std::memory_order_acquire)) {
        return false;
    }
    m_Buffer[static_cast<size_t>(tail)] = byte;
    m_nTail.store(next, std::memory_order_release);
    return true;
}

bool CByteQueue::Pop(uint8_t& byte) {
    const int32_t head = m_nHead.load(std::memory_order_relaxed);
    if (head == m_nTail.load(std::memory_order_acquire)) {
        return false;
    }
    byte = m_Buffer[static_cast<size_t>(head)];
    m_nHead.store((head + 1) % kSize, std::memory_order_release);
    return true;
}

#include "ByteQueue.h"

#include <gtest/gtest.h>

#include <thread>

TEST(ByteQueue, HoldsAtMost8191BytesAndRefusesTheNext) {
    CByteQueue queue;
    for (int i = 0; i < 8191; ++i) {
        ASSERT_TRUE(queue.Push(static_cast<uint8_t>(i)));
    }
    EXPECT_EQ(queue.Count(), 8191);
    EXPECT_FALSE(queue.Push(0x42));
    EXPECT_EQ(queue.Count(), 8191);
    uint8_t byte = 0;
    ASSERT_TRUE(queue.Pop(byte));
    EXPECT_EQ(byte, 0);
    EXPECT_TRUE(queue.Push(0x42));
}

TEST(ByteQueue, CountsAcrossTheWrap) {
    CByteQueue queue;
    queue.m_nHead = 8190;
    queue.m_nTail = 8190;
    for (uint8_t b = 1; b <= 7; ++b) {
        ASSERT_TRUE(queue.Push(b));
    }
    EXPECT_EQ(queue.m_nTail.load(), 5);
    EXPECT_EQ(queue.Count(), 7);
    for (uint8_t b = 1; b <= 7; ++b) {
        uint8_t out = 0;
        ASSERT_TRUE(queue.Pop(out));
        EXPECT_EQ(out, b);
    }
    EXPECT_EQ(queue.Count(), 0);
}

TEST(ByteQueue, PopOnAnEmptyQueueLeavesTheByteAlone) {
    CByteQueue queue;
    uint8_t byte = 0x5A;
    EXPECT_FALSE(queue.Pop(byte));
    EXPECT_EQ(byte, 0x5A);
}

TEST(ByteQueue, ResetClearsBufferAndIndices) {
    CByteQueue queue;
    queue.Push(9);
    queue.Push(8);
    queue.Reset();
    EXPECT_EQ(queue.Count(), 0);
    EXPECT_EQ(queue.m_nHead.load(), 0);
    EXPECT_EQ(queue.m_Buffer[0], 0);
}

// One producer and one consumer without a lock: every byte arrives once, in order.
TEST(ByteQueue, OneProducerOneConsumerKeepTheOrder) {
    CByteQueue queue;
    constexpr int kBytes = 200000;
    std::thread producer([&] {
        for (int i = 0; i < kBytes;) {
            if (queue.Push(static_cast<uint8_t>(i * 7))) {
                ++i;
            } else {
                std::this_thread::yield();
            }
        }
    });
    int received = 0;
    bool inOrder = true;
    while (received < kBytes) {
        uint8_t byte = 0;
        if (queue.Pop(byte)) {
            inOrder = inOrder && byte == static_cast<uint8_t>(received * 7);
            ++received;
        } else {
            std::this_thread::yield();
        }
    }
    producer.join();
    EXPECT_TRUE(inOrder);
    EXPECT_EQ(queue.Count(), 0);
}

#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// Reads a fuzz input front to back: a few control values first, then the payload.
// Past the end every read gives zero or nothing, so any input is a valid one.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size) : data_(data), size_(size) {}

    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // Little-endian, count bytes (at most 4).
    uint32_t number(int count)
    {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= uint32_t(byte()) << (8 * i);
        return value;
    }
    // A length byte (taken modulo maxLength + 1), then that many bytes.
    QByteArray chunk(int maxLength)
    {
        const size_t wanted = byte() % size_t(maxLength + 1);
        const size_t n = wanted < size_ - pos_ ? wanted : size_ - pos_;
        QByteArray bytes(reinterpret_cast<const char *>(data_ + pos_), qsizetype(n));
        pos_ += n;
        return bytes;
    }
    QByteArray rest()
    {
        QByteArray bytes(reinterpret_cast<const char *>(data_ + pos_), qsizetype(size_ - pos_));
        pos_ = size_;
        return bytes;
    }

private:
    const uint8_t *data_;
    size_t size_;
    size_t pos_ = 0;
};

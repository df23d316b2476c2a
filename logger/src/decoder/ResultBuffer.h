#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace logger {

// A result buffer that never grows past its capacity: every write says whether it fitted.
class ResultBuffer {
public:
    explicit ResultBuffer(std::size_t capacity) : capacity_(capacity) {}

    [[nodiscard]] bool push(std::uint8_t byte) {
        if (size_ == storage_.size() && !grow(1))
            return false;
        storage_[size_++] = byte;
        return true;
    }
    [[nodiscard]] bool append(std::span<const std::uint8_t> bytes) {
        if (bytes.size() > storage_.size() - size_ && !grow(bytes.size()))
            return false;
        std::copy(bytes.begin(), bytes.end(), storage_.begin() + static_cast<std::ptrdiff_t>(size_));
        size_ += bytes.size();
        return true;
    }
    void truncate(std::size_t size) { size_ = std::min(size, size_); }
    void putBigEndian32(std::size_t at, std::uint32_t value) {
        for (std::size_t i = 0; i < 4; ++i)
            put(at + i, static_cast<std::uint8_t>(value >> (24 - 8 * i)));
    }
    void put(std::size_t at, std::uint8_t value) {
        if (at < size_)
            storage_[at] = value;
    }

    std::size_t size() const { return size_; }
    std::size_t room() const { return capacity_ - size_; }
    std::span<const std::uint8_t> bytes() const { return {storage_.data(), size_}; }

private:
    // Room for `more` bytes after the used ones, doubling up to the capacity; false when it is reached.
    bool grow(std::size_t more) {
        if (more > capacity_ - size_)
            return false;
        storage_.resize(
            std::min(capacity_, std::max({size_ + more, 2 * storage_.size(), std::size_t{4096}})));
        return true;
    }

    std::size_t capacity_;
    std::size_t size_ = 0;
    std::vector<std::uint8_t> storage_;
};

} // namespace logger

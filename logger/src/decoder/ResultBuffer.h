#pragma once

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
        if (bytes_.size() >= capacity_)
            return false;
        bytes_.push_back(byte);
        return true;
    }
    [[nodiscard]] bool append(std::span<const std::uint8_t> bytes) {
        if (bytes.size() > capacity_ - bytes_.size())
            return false;
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return true;
    }
    void truncate(std::size_t size) { bytes_.resize(size); }
    void putBigEndian32(std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes_.at(at + i) = static_cast<std::uint8_t>(value >> (24 - 8 * i));
    }
    void put(std::size_t at, std::uint8_t value) { bytes_.at(at) = value; }

    std::size_t size() const { return bytes_.size(); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

private:
    std::size_t capacity_;
    std::vector<std::uint8_t> bytes_;
};

} // namespace logger

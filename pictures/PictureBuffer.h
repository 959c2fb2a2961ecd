#pragma once

#include <QImage>

#include <cstddef>
#include <memory>

namespace stoupe {

// Memory for pictures and whole JPEG files. Large blocks are mapped straight
// from the system on 2 MiB boundaries and marked for transparent huge pages:
// filling a fresh 72 MB picture through 4 KiB page faults costs about as much
// as decoding it, and a mapped block goes back to the system as soon as it is
// freed, so nothing outlives the picture.
class LargeBuffer {
public:
    LargeBuffer() = default;
    explicit LargeBuffer(size_t size); // data() is null when the memory is not there
    LargeBuffer(LargeBuffer&& other) noexcept;
    LargeBuffer& operator=(LargeBuffer&& other) noexcept;
    LargeBuffer(const LargeBuffer&) = delete;
    LargeBuffer& operator=(const LargeBuffer&) = delete;
    ~LargeBuffer();

    unsigned char* data() const { return m_data; }
    size_t size() const { return m_size; }

private:
    void release();

    unsigned char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_mappedSize = 0; // 0: allocated with malloc
};

// A new RGB888 image whose pixels live in a LargeBuffer; null when the memory
// is not there. Copies share the pixels as usual for QImage; the memory is
// freed with the last copy.
QImage AllocateRGB888(int width, int height);

} // namespace stoupe

#include "pictures/PictureBuffer.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

namespace stoupe {

namespace {

constexpr size_t HugePage = size_t(2) << 20;
constexpr size_t MapAtLeast = size_t(4) << 20;

void freeBuffer(void* info) {
    delete static_cast<LargeBuffer*>(info);
}

} // namespace

LargeBuffer::LargeBuffer(size_t size) {
    if (size == 0) {
        return;
    }
    if (size < MapAtLeast) {
        m_data = static_cast<unsigned char*>(std::malloc(size));
        m_size = m_data != nullptr ? size : 0;
        return;
    }
    const size_t rounded = (size + HugePage - 1) & ~(HugePage - 1);
    void* mapped = ::mmap(nullptr, rounded + HugePage, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        return;
    }
    // Keep the 2 MiB-aligned part, give back the rest.
    const auto start = reinterpret_cast<uintptr_t>(mapped);
    const uintptr_t aligned = (start + HugePage - 1) & ~uintptr_t(HugePage - 1);
    if (aligned > start) {
        ::munmap(mapped, aligned - start);
    }
    const size_t tail = (start + rounded + HugePage) - (aligned + rounded);
    if (tail > 0) {
        ::munmap(reinterpret_cast<void*>(aligned + rounded), tail);
    }
    ::madvise(reinterpret_cast<void*>(aligned), rounded, MADV_HUGEPAGE); // a hint only
    m_data = reinterpret_cast<unsigned char*>(aligned);
    m_size = size;
    m_mappedSize = rounded;
}

LargeBuffer::LargeBuffer(LargeBuffer&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)),
      m_mappedSize(std::exchange(other.m_mappedSize, 0)) {}

LargeBuffer& LargeBuffer::operator=(LargeBuffer&& other) noexcept {
    if (this != &other) {
        release();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_mappedSize = std::exchange(other.m_mappedSize, 0);
    }
    return *this;
}

LargeBuffer::~LargeBuffer() {
    release();
}

void LargeBuffer::release() {
    if (m_data == nullptr) {
        return;
    }
    if (m_mappedSize > 0) {
        ::munmap(m_data, m_mappedSize);
    } else {
        std::free(m_data);
    }
    m_data = nullptr;
    m_size = 0;
    m_mappedSize = 0;
}

QImage AllocateRGB888(int width, int height) {
    if (width <= 0 || height <= 0) {
        return QImage();
    }
    const qsizetype bytesPerLine = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    auto* buffer = new (std::nothrow) LargeBuffer(size_t(bytesPerLine) * size_t(height));
    if (buffer == nullptr) {
        return QImage();
    }
    if (buffer->data() == nullptr) {
        delete buffer;
        return QImage();
    }
    QImage image(buffer->data(), width, height, bytesPerLine, QImage::Format_RGB888, freeBuffer,
                 buffer);
    if (image.isNull()) {
        delete buffer;
    }
    return image;
}

} // namespace stoupe

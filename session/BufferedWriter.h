#pragma once

// A writer that collects little-endian values in a 4096-byte buffer and hands full buffers to
// a device, the way the session file is written. The first failed device write sticks:
// later writes do nothing and Failed() stays true.

#include <QIODevice>
#include <QString>

#include <array>
#include <cstdint>

class CBufferedWriter {
public:
    static constexpr int kBufferSize = 4096;

    explicit CBufferedWriter(QIODevice& device) : m_device(device) {}
    ~CBufferedWriter() = default;
    CBufferedWriter(const CBufferedWriter&) = delete;
    CBufferedWriter& operator=(const CBufferedWriter&) = delete;

    void WriteBytes(const void* data, std::size_t size);
    void WriteUInt8(std::uint8_t value) { WriteBytes(&value, 1); }
    void WriteUInt16(std::uint16_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteInt32(std::int32_t value) { WriteUInt32(std::uint32_t(value)); }
    // FF, FE FF (the UTF-16 mark), the length in code units (1, 3 or 7 bytes), then the text
    // in UTF-16LE without a terminator.
    void WriteString(const QString& text);
    // Hands what is buffered to the device; false once any device write failed.
    bool Flush();

    bool Failed() const { return m_failed; }

private:
    QIODevice& m_device;
    std::array<char, kBufferSize> m_buffer{};
    int m_used = 0;
    bool m_failed = false;
};

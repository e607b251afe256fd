#include "session/BufferedWriter.h"

#include <cstring>

void CBufferedWriter::WriteBytes(const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0 && !m_failed) {
        if (m_used == kBufferSize && !Flush())
            return;
        const std::size_t n = std::min(size, std::size_t(kBufferSize - m_used));
        std::memcpy(m_buffer.data() + m_used, p, n);
        m_used += int(n);
        p += n;
        size -= n;
    }
}

void CBufferedWriter::WriteUInt16(std::uint16_t value) {
    const unsigned char bytes[2] = {std::uint8_t(value), std::uint8_t(value >> 8)};
    WriteBytes(bytes, 2);
}

void CBufferedWriter::WriteUInt32(std::uint32_t value) {
    const unsigned char bytes[4] = {std::uint8_t(value), std::uint8_t(value >> 8),
                                    std::uint8_t(value >> 16), std::uint8_t(value >> 24)};
    WriteBytes(bytes, 4);
}

void CBufferedWriter::WriteString(const QString& text) {
    const auto length = std::uint32_t(text.size());
    WriteUInt8(0xFF);
    WriteUInt16(0xFFFE);
    if (length < 0xFF) {
        WriteUInt8(std::uint8_t(length));
    } else {
        WriteUInt8(0xFF);
        if (length < 0xFFFE) {
            WriteUInt16(std::uint16_t(length));
        } else {
            WriteUInt16(0xFFFF);
            WriteUInt32(length);
        }
    }
    for (const QChar c : text)
        WriteUInt16(c.unicode());
}

bool CBufferedWriter::Flush() {
    if (m_failed)
        return false;
    if (m_used > 0 && m_device.write(m_buffer.data(), m_used) != m_used)
        m_failed = true;
    m_used = 0;
    return !m_failed;
}

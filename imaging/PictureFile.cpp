#include "imaging/PictureFile.h"

#include "platform/RegularFile.h"

#include <cerrno>

#include <unistd.h>

CPictureFile::CPictureFile(const QString& path) : m_file(path) {
    const platform::CRegularFile opened = platform::OpenRegularFile(path);
    if (!opened.Opened()) {
        m_error = opened.error;
        m_problem = opened.notAFile ? EPictureProblem::NotAFile
                    : opened.error == ENOENT || opened.error == ENOTDIR
                        ? EPictureProblem::NoSuchFile
                        : EPictureProblem::Unreadable;
        return;
    }
    if (!m_file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(opened.fd);
        m_problem = EPictureProblem::Unreadable;
        m_error = EIO;
    }
}

const uchar* CPictureFile::Bytes(qint64* size) {
    *size = 0;
    if (!IsOpen())
        return nullptr;
    const qint64 length = m_file.size();
    if (length <= 0)
        return nullptr;
    if (const uchar* data = m_file.map(0, length)) {
        *size = length;
        return data;
    }
    if (m_copy.isEmpty()) {
        m_file.seek(0);
        m_copy = m_file.readAll();
    }
    *size = m_copy.size();
    return m_copy.isEmpty() ? nullptr : reinterpret_cast<const uchar*>(m_copy.constData());
}

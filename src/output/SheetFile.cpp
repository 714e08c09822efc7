#include "output/SheetFile.h"

#include <QDir>

namespace {
constexpr qsizetype kFlushSize = 1 << 16;
const char* const kEncoding = "GBK";
} // namespace

SheetFile::SheetFile()
    : m_encoder(kEncoding)
{
}

bool SheetFile::encodingAvailable() { return QStringEncoder(kEncoding).isValid(); }

bool SheetFile::create(const QString& fileName)
{
    m_name = fileName;
    m_failed = false;
    m_buffer.clear();
    m_file.setFileName(QDir::current().filePath(fileName));
    m_file.setDirectWriteFallback(false);
    if (!m_encoder.isValid() || !m_file.open(QIODevice::WriteOnly)) {
        m_failed = true;
    }
    return !m_failed;
}

void SheetFile::writeLine(const QString& text)
{
    if (m_failed) {
        return;
    }
    // Question lines are almost all ASCII, which GBK keeps as is; the other
    // characters go through the converter, each distinct one only once.
    const qsizetype start = m_buffer.size();
    m_buffer.resize(start + text.size() * 4 + 3); // room for the longest encoding
    char* out = m_buffer.data() + start;
    *out++ = '"';
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            *out++ = static_cast<char>(u);
            continue;
        }
        auto cached = m_encodedChars.find(u);
        if (cached == m_encodedChars.end()) {
            cached = m_encodedChars.emplace(u, QByteArray(m_encoder.encode(QStringView(&c, 1)))).first;
        }
        out = std::copy(cached->second.cbegin(), cached->second.cend(), out);
    }
    *out++ = '"';
    *out++ = '\r';
    *out++ = '\n';
    m_buffer.truncate(out - m_buffer.constData());
    if (m_buffer.size() >= kFlushSize) {
        flush();
    }
}

void SheetFile::writeEmptyLine() { append(QByteArrayLiteral("\r\n")); }

void SheetFile::append(const QByteArray& bytes)
{
    if (m_failed) {
        return;
    }
    m_buffer += bytes;
    if (m_buffer.size() >= kFlushSize) {
        flush();
    }
}

bool SheetFile::flush()
{
    if (!m_buffer.isEmpty() && m_file.write(m_buffer) != m_buffer.size()) {
        m_failed = true;
    }
    m_buffer.clear();
    return !m_failed;
}

bool SheetFile::close()
{
    if (!m_file.isOpen()) {
        return false;
    }
    if (!flush()) {
        m_file.cancelWriting();
    }
    if (!m_file.commit()) {
        m_failed = true;
    }
    return !m_failed;
}

void SheetFile::discard()
{
    if (m_file.isOpen()) {
        m_file.cancelWriting();
        m_file.commit();
    }
    m_buffer.clear();
}

QString SheetFile::errorText() const
{
    QString cause;
    switch (m_file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        cause = QStringLiteral("无法创建该文件（文件夹不可写，或文件正被其他程序打开）");
        break;
    case QFileDevice::RenameError:
        cause = QStringLiteral("无法替换原有文件（文件可能正被其他程序打开）");
        break;
    default:
        cause = QStringLiteral("写入失败（磁盘空间可能不足，或文件正被其他程序打开）");
        break;
    }
    const QString detail = m_file.errorString();
    return detail.isEmpty() ? cause : cause + QStringLiteral("：") + detail;
}

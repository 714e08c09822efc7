// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/SheetFile.h"

#include "common/GbkEncoder.h"
#include "output/OutputMessages.h"

#include <QDir>
#include <QFileInfo>

bool SheetFile::encodingAvailable()
{
    return GbkEncoder::instance().isValid();
}

bool SheetFile::create(const QString& folder, const QString& fileName)
{
    m_name = fileName;
    m_failed = false;
    m_pending.clear();
    m_file.setFileName(QDir(folder).filePath(fileName));
    m_replacing = QFileInfo(m_file.fileName()).isFile();
    m_file.setDirectWriteFallback(false);
    // Unbuffered: what is written goes straight to the file, so a short
    // write (a full disk) shows at once instead of inside the final commit.
    if (!encodingAvailable() || !m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_failed = true;
    }
    return !m_failed;
}

void SheetFile::writeLine(const QString& text)
{
    m_pending.append('"');
    append(GbkEncoder::instance().encode(text));
    m_pending.append("\"\r\n", 3);
}

void SheetFile::writeCells(const QStringList& cells)
{
    if (cells.isEmpty()) {
        writeEmptyLine();
        return;
    }
    for (qsizetype i = 0; i < cells.size(); ++i) {
        m_pending.append(i == 0 ? "\"" : "\"\t\"");
        append(GbkEncoder::instance().encode(cells[i]));
    }
    m_pending.append("\"\r\n", 3);
}

void SheetFile::writeEmptyLine()
{
    append(QByteArray("\r\n", 2));
}

void SheetFile::append(const QByteArray& bytes)
{
    m_pending.append(bytes);
    if (m_pending.size() >= kWriteSize) {
        flush();
    }
}

bool SheetFile::flush()
{
    if (!m_failed && !m_pending.isEmpty() && m_file.write(m_pending) != m_pending.size()) {
        m_failed = true;
    }
    m_pending.resize(0);
    return !m_failed;
}

bool SheetFile::finishWriting()
{
    if (!m_file.isOpen()) {
        return false;
    }
    if (!flush() || !m_file.flush() || m_file.error() != QFileDevice::NoError) {
        m_failed = true;
        discard();
    }
    return !m_failed;
}

bool SheetFile::commit()
{
    if (m_failed || !m_file.isOpen() || !m_file.commit()) {
        m_failed = true;
        discard();
    }
    return !m_failed;
}

void SheetFile::discard()
{
    if (m_file.isOpen()) {
        m_file.cancelWriting();
        m_file.commit();
    }
    m_pending.resize(0);
}

QString SheetFile::errorText() const
{
    // The causes a teacher can act on, found by looking at the place itself;
    // the system's own error text is English and is left out.
    const QFileInfo target(m_file.fileName());
    if (target.isDir()) {
        return QStringLiteral("该位置已有同名的文件夹");
    }
    if (target.exists() && !target.isWritable()) {
        return QStringLiteral("原有文件是只读文件，不能替换");
    }
    if (!QFileInfo(target.absolutePath()).isWritable()) {
        return QStringLiteral("文件夹不允许写入");
    }
    switch (m_file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("无法在该文件夹中创建文件");
    case QFileDevice::RenameError:
        return OutputMessages::kHeldOpen;
    default:
        return QStringLiteral("写入失败（磁盘空间可能不足）");
    }
}

QString SheetFile::failureMessage() const
{
    return OutputMessages::fileFailed(m_name, errorText(), m_replacing);
}

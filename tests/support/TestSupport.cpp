#include "TestSupport.h"

#include "common/Fonts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QTest>

MessageRecorder::MessageRecorder()
    : m_previous(MessageBox::setHandler([this](QWidget*, const QString& text) { messages.append(text); }))
{
}

MessageRecorder::~MessageRecorder() { MessageBox::setHandler(m_previous); }

ScratchDir::ScratchDir()
    : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

ScratchDir::~ScratchDir() { QDir::setCurrent(m_previous); }

QByteArray TestSupport::readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QStringList TestSupport::sheetLines(const QString& path)
{
    QStringDecoder decoder("GBK");
    QString text = decoder(readBytes(path));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

QStringList TestSupport::sheetValues(const QString& path)
{
    QStringList values;
    for (const QString& line : sheetLines(path)) {
        values.append(line.size() >= 2 && line.startsWith(QLatin1Char('"')) ? line.mid(1, line.size() - 2) : line);
    }
    return values;
}

QString TestSupport::gbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    return QString::fromLatin1(QByteArray(encoder(text)).toHex());
}

QStringList TestSupport::pdfPages(const QString& pdfPath)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdfPath, QStringLiteral("-") });
    if (!process.waitForFinished(60000)) {
        return {};
    }
    // Fonts that share one glyph between a radical and its ideograph make the
    // text come back as the radical; map those characters to the ideograph.
    QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (QChar& c : text) {
        if (c.unicode() == 0x2EDA) {
            c = QChar(u'页');
        } else if (c.unicode() >= 0x2E80 && c.unicode() <= 0x2FDF) {
            c = QString(c).normalized(QString::NormalizationForm_KC).front();
        }
    }
    QStringList pages = text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

QStringList TestSupport::nonEmptyLines(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            lines.append(line);
        }
    }
    return lines;
}

void TestSupport::initFonts()
{
    static bool done = false;
    if (!done) {
        Fonts::installSubstitutions();
        done = true;
    }
}

void TestSupport::setText(QWidget* window, const char* boxName, const QString& text)
{
    auto* box = window->findChild<QLineEdit*>(QLatin1String(boxName));
    QVERIFY2(box, boxName);
    box->setText(text);
}

void TestSupport::click(QWidget* window, const char* buttonName)
{
    auto* button = window->findChild<QPushButton*>(QLatin1String(buttonName));
    QVERIFY2(button, buttonName);
    button->click();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/SystemPrintTarget.h"

#include "printing/PagePainter.h"
#include "printing/PrintMessages.h"

#include <QBuffer>

#ifdef MIREVA_HAS_CUPS
#include <QDeadlineTimer>
#include <QPageSize>
#include <QSizeF>
#include <cups/cups.h>
#include <optional>
#else
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#endif

#ifdef MIREVA_HAS_CUPS

namespace {
constexpr int kAnswerWithinMs = 5000;
constexpr qsizetype kChunk = 1 << 16;
// How often a connection that waits for an answer looks at its deadline.
constexpr double kLookEverySeconds = 0.25;

// The paper of a size the print server gives (lengths and margins in
// hundredths of a millimetre), and the margins it cannot print in. A size
// within a few points of a named paper is that paper (B5, A4 …).
QPageLayout layoutOf(const cups_size_t& size)
{
    const auto mm = [](int hundredths) { return hundredths / 100.0; };
    QPageLayout layout(QPageSize(QSizeF(mm(size.width), mm(size.length)), QPageSize::Millimeter),
        QPageLayout::Portrait, QMarginsF(mm(size.left), mm(size.top), mm(size.right), mm(size.bottom)),
        QPageLayout::Millimeter);
    layout.setUnits(QPageLayout::Point);
    return layout;
}

// The size a "media-col" value describes; false when it gives none.
bool readMedia(ipp_t* media, cups_size_t& size)
{
    ipp_t* dimensions = media
        ? ippGetCollection(ippFindAttribute(media, "media-size", IPP_TAG_BEGIN_COLLECTION), 0)
        : nullptr;
    const auto value = [](ipp_t* collection, const char* name) {
        return ippGetInteger(ippFindAttribute(collection, name, IPP_TAG_INTEGER), 0);
    };
    if (!dimensions) {
        return false;
    }
    size.width = value(dimensions, "x-dimension");
    size.length = value(dimensions, "y-dimension");
    size.left = value(media, "media-left-margin");
    size.top = value(media, "media-top-margin");
    size.right = value(media, "media-right-margin");
    size.bottom = value(media, "media-bottom-margin");
    return size.width > 0 && size.length > 0;
}

// The default paper of the named queue and what it can print on it, asked
// over the given connection; A4 stands in when no paper is named, as when
// there is no printer to ask.
QPageLayout queueLayout(http_t* http, const QByteArray& queue)
{
    cups_dest_t* dest = cupsGetNamedDest(http, queue.constData(), nullptr);
    cups_dinfo_t* info = dest ? cupsCopyDestInfo(http, dest) : nullptr;
    cups_size_t size {};
    bool known = false;
    if (info) {
        ipp_attribute_t* media = cupsFindDestDefault(http, dest, info, "media-col");
        known = readMedia(media ? ippGetCollection(media, 0) : nullptr, size);
    }
    // A queue that names its default paper only by name.
    if (ipp_attribute_t* named = info && !known ? cupsFindDestDefault(http, dest, info, "media") : nullptr) {
        known = cupsGetDestMediaByName(
                    http, dest, info, ippGetString(named, 0, nullptr), CUPS_MEDIA_FLAGS_DEFAULT, &size)
            != 0;
    }
    cupsFreeDestInfo(info);
    cupsFreeDests(dest ? 1 : 0, dest);
    return known ? layoutOf(size) : PrintTarget::a4();
}

// One connection to the print server that gives up on a silent server: on
// each answer that does not come within the time limit, or, for a
// connection that only asks, once it has talked for longer than that.
class Connection {
public:
    enum class Limit { EachAnswer, WholeTalk };

    explicit Connection(Limit limit = Limit::EachAnswer)
        : m_http(httpConnect2(
            cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kAnswerWithinMs, nullptr))
        , m_deadline(kAnswerWithinMs)
    {
        if (!m_http) {
            return;
        }
        if (limit == Limit::EachAnswer) {
            httpSetTimeout(
                m_http, kAnswerWithinMs / 1000.0, [](http_t*, void*) { return 0; }, nullptr);
            return;
        }
        httpSetTimeout(
            m_http, kLookEverySeconds,
            [](http_t*, void* deadline) {
                return static_cast<QDeadlineTimer*>(deadline)->hasExpired() ? 0 : 1;
            },
            &m_deadline);
    }
    ~Connection()
    {
        if (m_http) {
            httpClose(m_http);
        }
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    http_t* http() const { return m_http; }

private:
    http_t* m_http;
    QDeadlineTimer m_deadline;
};

// The default queue as the print server sees it now.
struct Queue {
    QString name; // empty: no default queue
    QString refusal; // why it takes no job now, empty when it does
    bool answered = true;
};

// Whether the print server answers a request at all; a silent one is given
// up after the connection's timeout.
bool serverAnswers(http_t* http)
{
    if (!http) {
        return false;
    }
    ipp_t* response = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    const bool answered = response || cupsLastError() < IPP_STATUS_ERROR_INTERNAL;
    ippDelete(response);
    return answered;
}

Queue defaultQueue(http_t* http)
{
    Queue queue;
    queue.answered = serverAnswers(http);
    cups_dest_t* dest = queue.answered ? cupsGetNamedDest(http, nullptr, nullptr) : nullptr;
    if (!dest) {
        return queue;
    }
    queue.name = QString::fromUtf8(dest->name);
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    if (accepting && qstrcmp(accepting, "false") == 0) {
        queue.refusal = PrintTexts::kNotAccepting;
    } else if (state && qstrcmp(state, "5") == 0) { // IPP printer-state "stopped"
        queue.refusal = PrintTexts::kStopped;
    }
    cupsFreeDests(1, dest);
    return queue;
}

QString refusalMessage(const Queue& queue)
{
    if (!queue.answered) {
        return PrintMessages::printerRefuses(PrintTexts::kDefaultPrinter, PrintTexts::kNoAnswer);
    }
    if (queue.name.isEmpty()) {
        return PrintMessages::kNoPrinter;
    }
    if (!queue.refusal.isEmpty()) {
        return PrintMessages::printerRefuses(queue.name, queue.refusal);
    }
    return {};
}

// The print server's last answer as a cause a teacher can read.
QString lastCause()
{
    switch (cupsLastError()) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return PrintTexts::kNotAccepting;
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
    case IPP_STATUS_ERROR_INTERNAL:
        return PrintTexts::kNoAnswer;
    default:
        return PrintTexts::serviceRefused(QString::fromUtf8(cupsLastErrorString()));
    }
}

// Sends the document as one job; 0 and the cause when the server refused it.
int submit(http_t* http, const QByteArray& name, const QByteArray& pdf, QString& cause)
{
    const QByteArray title = PrintTexts::kJobName.toUtf8();
    const int job = cupsCreateJob(http, name.constData(), title.constData(), 0, nullptr);
    if (job <= 0) {
        cause = lastCause();
        return 0;
    }
    bool sent = cupsStartDocument(http, name.constData(), job, title.constData(), CUPS_FORMAT_PDF, 1)
        == HTTP_STATUS_CONTINUE;
    for (qsizetype at = 0; sent && at < pdf.size(); at += kChunk) {
        sent = cupsWriteRequestData(
                   http, pdf.constData() + at, static_cast<size_t>(std::min(kChunk, pdf.size() - at)))
            == HTTP_STATUS_CONTINUE;
    }
    const ipp_status_t finished = cupsFinishDocument(http, name.constData());
    if (!sent || finished > IPP_STATUS_OK_EVENTS_COMPLETE) {
        cause = sent ? lastCause() : PrintTexts::kHandOverFailed;
        cupsCancelJob2(http, name.constData(), job, 0);
        return 0;
    }
    return job;
}
} // namespace

QString SystemPrintTarget::refusal() const
{
    const Connection connection;
    return refusalMessage(defaultQueue(connection.http()));
}

QString SystemPrintTarget::silence() const
{
    const Connection connection;
    Queue queue;
    queue.answered = serverAnswers(connection.http());
    return queue.answered ? QString() : refusalMessage(queue);
}

QPageLayout SystemPrintTarget::pageLayout() const
{
    const Connection connection(Connection::Limit::WholeTalk);
    const Queue queue = defaultQueue(connection.http());
    return queue.name.isEmpty() ? PrintTarget::a4() : queueLayout(connection.http(), queue.name.toUtf8());
}

PrintOutcome SystemPrintTarget::print(const PrintedPages& pages)
{
    // The queue was asked before the run; whether it still takes the job is
    // the print server's answer to the job itself.
    const Connection connection;
    const Queue queue = defaultQueue(connection.http());
    if (queue.name.isEmpty()) {
        return { refusalMessage(queue), 0 };
    }
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    const double smallest
        = PagePainter::writePdf(pdf, pages, queueLayout(connection.http(), queue.name.toUtf8()));
    if (smallest < 0) {
        return { PrintMessages::printFailed(queue.name, PrintTexts::kCannotPaint), 0 };
    }
    QString cause;
    const int job = submit(connection.http(), queue.name.toUtf8(), pdf.data(), cause);
    if (job == 0) {
        return { PrintMessages::printFailed(queue.name, cause), smallest };
    }
    m_lastJob = job;
    // A queue stopped while the run went on keeps the job waiting.
    const Queue after = defaultQueue(connection.http());
    if (after.refusal == PrintTexts::kStopped) {
        return { PrintMessages::printFailed(queue.name, PrintTexts::kStoppedAfterJob), smallest };
    }
    return { {}, smallest };
}

#else

namespace {
// The printer's own default paper, inside what it can print on that paper.
// Qt's printer keeps its own start paper (A4) when the printer has it too,
// so the printer's default is asked for by name.
QPageLayout printerLayout(const QPrinterInfo& info)
{
    if (info.isNull()) {
        return PrintTarget::a4();
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (const QPageSize paper = info.defaultPageSize(); paper.isValid()) {
        printer.setPageSize(paper);
    }
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF margins = layout.margins();
    const QMarginsF least = layout.minimumMargins();
    layout.setMargins(QMarginsF(std::max(margins.left(), least.left()), std::max(margins.top(), least.top()),
        std::max(margins.right(), least.right()), std::max(margins.bottom(), least.bottom())));
    return layout;
}
} // namespace

QString SystemPrintTarget::refusal() const
{
    return QPrinterInfo::defaultPrinter().isNull() ? PrintMessages::kNoPrinter : QString();
}

// Qt asks the system's printers itself; there is no print server that
// could keep it waiting.
QString SystemPrintTarget::silence() const
{
    return {};
}

QPageLayout SystemPrintTarget::pageLayout() const
{
    return printerLayout(QPrinterInfo::defaultPrinter());
}

PrintOutcome SystemPrintTarget::print(const PrintedPages& pages)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return { PrintMessages::kNoPrinter, 0 };
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(PrintTexts::kJobName);
    printer.setPageLayout(printerLayout(info));
    const double smallest = PagePainter::paint(printer, pages);
    if (smallest < 0) {
        return { PrintMessages::printFailed(info.printerName(), PrintTexts::kHandOverFailed), 0 };
    }
    return { {}, smallest };
}
#endif

#include "kineticsfit/TraceReader.h"

#include "exchange/DataLines.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <QBuffer>
#include <QStringList>

#include <map>

namespace KineticsFit {

std::vector<Trace> IncludedTraces(const std::vector<Trace> &traces)
{
    std::vector<Trace> included;
    for (const Trace &trace : traces)
        if (trace.included && !trace.time.empty())
            included.push_back(trace);
    return included;
}

namespace {

enum class Layout { Unknown, Wide, Long };

class TraceParser
{
public:
    explicit TraceParser(TraceReading &reading)
        : m_reading(reading)
    {
    }

    bool parse(const QString &line, long long number)
    {
        m_number = number;
        if (m_layout == Layout::Unknown)
            return header(line);
        const QStringList fields = split(line);
        if (m_layout == Layout::Wide && m_rows == 0 && !m_dissociationRow && !fields.isEmpty()
            && fields.first().startsWith(QLatin1String("dissociation"), Qt::CaseInsensitive))
            return dissociationRow(fields);
        if (++m_rows > MaxTraceRows)
            return stop(TraceStop::TooManyRows);
        return m_layout == Layout::Wide ? wideRow(fields) : longRow(fields);
    }

    bool stop(TraceStop why, long long number = -1)
    {
        m_reading.stop = why;
        m_reading.line = number < 0 ? m_number : number;
        return false;
    }

    void finish()
    {
        if (m_reading.stop == TraceStop::EndOfData && m_rows == 0)
            stop(TraceStop::NoData, m_number);
    }

private:
    // The fields of a line, split where the split gives a row of the layout.
    QStringList split(const QString &line) const
    {
        const int expected = m_reading.expectedFields;
        return DataLines::Fields(line, [&](const QStringList &fields) {
            return m_layout == Layout::Unknown ? fields.size() >= 2
                   : m_layout == Layout::Long  ? fields.size() == 3
                                               : fields.size() >= 2 && fields.size() <= expected;
        });
    }

    // The value of a field; false (with the stop set) when it is none.
    bool number(const QString &field, double &value, bool mayBeNegative)
    {
        try {
            value = NumberText::dataFieldValue(field);
        } catch (const RuntimeFault &f) {
            m_reading.field = field;
            return stop(f.number() == RuntimeFault::Overflow ? TraceStop::OutOfRange : TraceStop::NotANumber);
        }
        if (!mayBeNegative && value < 0.0) {
            m_reading.field = field;
            return stop(TraceStop::Negative);
        }
        return true;
    }

    bool header(const QString &line)
    {
        const QStringList fields = split(line);
        const bool firstIsNumber = NumberText::startsLikeNumber(fields.first());
        bool restAreNumbers = fields.size() > 1;
        for (qsizetype i = 1; i < fields.size(); ++i)
            restAreNumbers = restAreNumbers && NumberText::startsLikeNumber(fields[i]);
        if (fields.size() == 3 && (firstIsNumber || !restAreNumbers)) {
            m_layout = Layout::Long;
            m_reading.expectedFields = 3;
            return firstIsNumber ? parse(line, m_number) : true;
        }
        if (firstIsNumber || !restAreNumbers)
            return stop(TraceStop::NoLayout);
        m_layout = Layout::Wide;
        m_reading.expectedFields = int(fields.size());
        for (qsizetype i = 1; i < fields.size(); ++i) {
            Trace trace;
            if (!number(fields[i], trace.concentration, false))
                return false;
            m_reading.traces.push_back(trace);
        }
        return true;
    }

    bool tooMany(const QStringList &fields)
    {
        if (fields.size() <= m_reading.expectedFields)
            return false;
        m_reading.fields = int(fields.size());
        return !stop(TraceStop::Ragged);
    }

    bool dissociationRow(const QStringList &fields)
    {
        m_dissociationRow = true;
        if (tooMany(fields))
            return false;
        for (qsizetype i = 1; i < fields.size(); ++i) {
            if (fields[i].isEmpty())
                continue;
            Trace &trace = m_reading.traces[size_t(i - 1)];
            if (!number(fields[i], trace.dissociationStart, false))
                return false;
            trace.dissociates = true;
        }
        return true;
    }

    bool addPoint(Trace &trace, double time, double signal, const QString &timeField)
    {
        if (!trace.time.empty() && !(time > trace.time.back())) {
            m_reading.field = timeField;
            return stop(TraceStop::NotIncreasing);
        }
        trace.time.push_back(time);
        trace.signal.push_back(signal);
        return true;
    }

    bool wideRow(const QStringList &fields)
    {
        if (tooMany(fields))
            return false;
        double time;
        if (!number(fields.first(), time, false))
            return false;
        for (qsizetype i = 1; i < fields.size(); ++i) {
            double signal;
            if (fields[i].isEmpty())
                continue;
            if (!number(fields[i], signal, true) || !addPoint(m_reading.traces[size_t(i - 1)], time, signal, fields[0]))
                return false;
        }
        return true;
    }

    bool longRow(const QStringList &fields)
    {
        if (tooMany(fields))
            return false;
        double values[3] = {0.0, 0.0, 0.0};
        for (int i = 0; i < 3; ++i) {
            if (i >= fields.size() || fields[i].isEmpty()) {
                m_reading.fields = int(fields.size());
                return stop(TraceStop::Ragged);
            }
            if (!number(fields[i], values[i], i == 2))
                return false;
        }
        auto found = m_traceOf.find(values[0]);
        if (found == m_traceOf.end()) {
            found = m_traceOf.emplace(values[0], m_reading.traces.size()).first;
            Trace trace;
            trace.concentration = values[0];
            m_reading.traces.push_back(trace);
        }
        return addPoint(m_reading.traces[found->second], values[1], values[2], fields[1]);
    }

    TraceReading &m_reading;
    Layout m_layout = Layout::Unknown;
    long long m_number = 0;
    long long m_rows = 0;
    bool m_dissociationRow = false;
    std::map<double, size_t> m_traceOf;
};

} // namespace

TraceReading ReadTraces(QIODevice &device)
{
    TraceReading reading;
    TraceParser parser(reading);
    const DataLines::Reading lines = DataLines::ForEachLine(device, [&](const QString &line, long long number) {
        return parser.parse(line, number);
    });
    if (lines.end == DataLines::End::LineTooLong)
        parser.stop(TraceStop::LineTooLong, lines.line);
    else if (lines.end == DataLines::End::ReadError) {
        reading.readError = lines.readError;
        parser.stop(TraceStop::ReadError, lines.line);
    }
    parser.finish();
    if (reading.stop != TraceStop::EndOfData)
        reading.traces.clear();
    return reading;
}

TraceReading ReadTracesFromText(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadTraces(buffer);
}

QString TraceStopText(const TraceReading &reading)
{
    const QString line = QStringLiteral("Line %1: ").arg(reading.line);
    const QString field = Messages::quoted(reading.field);
    switch (reading.stop) {
    case TraceStop::EndOfData:
        return QString();
    case TraceStop::NoData:
        return QStringLiteral("There are no traces to read: a time column and a signal column per trace are needed.");
    case TraceStop::NoLayout:
        return line
               + QStringLiteral("the first line must head the columns: Time and each trace's concentration "
                                "(Time, 50, 16.7, ...), or Concentration, Time, Signal.");
    case TraceStop::Ragged:
        return line
               + QStringLiteral("%1 fields where the first line has %2.")
                     .arg(reading.fields)
                     .arg(reading.expectedFields);
    case TraceStop::NotANumber:
        return line + QStringLiteral("%1 is not a number.").arg(field);
    case TraceStop::OutOfRange:
        return line + QStringLiteral("%1 is out of range.").arg(field);
    case TraceStop::Negative:
        return line + QStringLiteral("%1 is negative; times and concentrations cannot be.").arg(field);
    case TraceStop::NotIncreasing:
        return line + QStringLiteral("the time %1 does not come after the one before it in its trace.").arg(field);
    case TraceStop::TooManyRows:
        return line + QStringLiteral("more than %1 rows; a fit takes at most that many.").arg(MaxTraceRows);
    case TraceStop::LineTooLong:
        return line + QStringLiteral("the line is longer than %1 MB.").arg(DataLines::MaxLineLength >> 20);
    case TraceStop::ReadError:
        return line + QStringLiteral("reading stopped: %1").arg(reading.readError);
    }
    return QString();
}

} // namespace KineticsFit

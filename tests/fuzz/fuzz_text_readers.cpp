// A bounded, deterministic fuzz run of every reader of typed or stored text:
// the strict and the leading-number readings, the Equilibrium Tool's and
// the wizard's readers, the settings values, the data-file reader and the
// reader of measured traces. Inputs are mutations of
// the wizard's readers, the settings values and the data-file readers. Inputs are mutations of
// seed texts (inserted, deleted and replaced characters, among them lone
// surrogates, other scripts' digits and control characters; spliced and
// repeated pieces) drawn from a fixed-seed generator, so a failure repeats.
//
// Oracles: a reader returns a finite number or raises a run-time fault,
// never anything else; a number read agrees with the C library's own
// reading of the same characters; what the program writes for a number it
// read is accepted and reads back to the value it shows; a data file reads
// the same whatever its line ends and byte-order marks, and a bounded read
// is the start of the whole one.
//
// Usage: fuzz_text_readers [inputs [seed]]   (ctest runs a bounded count)
#include "competition/CompetitionFields.h"
#include "competition/Ic50Conversion.h"
#include "dynamic/WizardInputRules.h"
#include "equilibrium/EquilibriumInput.h"
#include "exchange/ColumnsReader.h"
#include "exchange/PairsReader.h"
#include "kineticsfit/TraceReader.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "platform/SettingsStore.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <locale.h>
#include <random>
#include <vector>

namespace {

int g_failures = 0;

QString escaped(const QString &text)
{
    QString out;
    for (QChar c : text.left(120))
        out += (c.unicode() >= 0x20 && c.unicode() < 0x7f)
                   ? QString(c)
                   : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return text.size() > 120 ? out + QStringLiteral("...(%1 chars)").arg(text.size()) : out;
}

void fail(const char *oracle, const QString &text)
{
    if (++g_failures <= 20)
        std::printf("FAIL %s: \"%s\" (locale %s)\n", oracle, qPrintable(escaped(text)), qPrintable(QLocale().name()));
}

void expect(bool holds, const char *oracle, const QString &text)
{
    if (!holds)
        fail(oracle, text);
}

// Runs a reader; false when it raised a run-time fault (the one allowed way
// to refuse), and a failure for anything else it throws.
bool runs(const std::function<void()> &reader, const QString &text)
{
    try {
        reader();
        return true;
    } catch (const RuntimeFault &) {
        return false;
    } catch (...) {
        fail("throws only run-time faults", text);
        return false;
    }
}

// The C library's reading of a number written with ".", in the C locale
// whatever the process's, with its range errors.
struct CReading
{
    double value;
    bool overflow;
};

CReading cRead(const QByteArray &ascii)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    errno = 0;
    const double v = strtod_l(ascii.constData(), nullptr, cLocale);
    return {v, errno == ERANGE && std::isinf(v)};
}

// Equal, or both at the bottom of the subnormal range (where readers may
// differ on rounding to 0).
bool sameReading(double v, double reference)
{
    return v == reference || (std::fabs(v) <= 5e-324 && std::fabs(reference) <= 5e-324);
}

// What the program writes reads back to the value it shows: accepted by
// the strict test, finite, and written again the same.
void checkWrittenForms(double v, const QString &source)
{
    const QString general = NumberText::generalText(v);
    const QString scientific = NumberText::format(v, QStringLiteral("Scientific"));
    for (const QString &written : {general, scientific}) {
        double back = 0;
        expect(NumberText::isNumeric(written) && runs([&] { back = NumberText::numericValue(written); }, written),
               "what is written is accepted and read", source);
        if (written == general)
            expect(NumberText::generalText(back) == general, "the general form reads back to itself", source);
        else
            expect(NumberText::format(back, QStringLiteral("Scientific")) == scientific,
                   "the scientific form reads back to itself", source);
    }
}

void fuzzStrictReading(const QString &text)
{
    const bool numeric = NumberText::isNumeric(text);
    double v = 0;
    int fault = 0;
    try {
        v = NumberText::numericValue(text);
    } catch (const RuntimeFault &f) {
        fault = f.number();
    }
    expect(numeric == (fault != RuntimeFault::TypeMismatch), "the strict test and the reading agree", text);
    if (!numeric)
        return;
    QByteArray ascii = text.trimmed().toLatin1();
    ascii.replace(QLocale().decimalPoint().toLatin1(), ".");
    const CReading reference = cRead(ascii);
    expect((fault == RuntimeFault::Overflow) == reference.overflow, "overflows exactly when out of range", text);
    if (fault)
        return;
    expect(std::isfinite(v) && sameReading(v, reference.value), "reads the number the text holds", text);
    checkWrittenForms(v, text);
}

// The C library's leading-number reading of the same characters: blanks,
// tabs and line feeds dropped, D read as E, both decimal separators as
// ".", and everything it would read that this reading does not (hex,
// "inf", "nan", other blanks) made a stop.
QByteArray leadingAscii(const QString &text)
{
    QByteArray ascii;
    const QChar separator = QLocale().decimalPoint().at(0);
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            continue;
        const char l = c.toLatin1();
        if (c == separator || l == '.')
            ascii += '.';
        else if (l == 'd' || l == 'D')
            ascii += 'E';
        else if ((l >= '0' && l <= '9') || l == '+' || l == '-' || l == 'e' || l == 'E')
            ascii += l;
        else
            ascii += '#';
    }
    return ascii;
}

void fuzzLeadingReading(const QString &text)
{
    double v = 0;
    const bool read = runs([&] { v = NumberText::leadingNumber(text); }, text);
    const CReading reference = cRead(leadingAscii(text));
    expect(read != reference.overflow, "overflows exactly when out of range", text);
    if (read)
        expect(std::isfinite(v) && sameReading(v, reference.value), "reads the leading number", text);
}

void fuzzEquilibriumFields(const std::vector<QString> &texts)
{
    const modVornish::EquilibriumFields fields{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]};
    modVornish::EquilibriumInput in;
    if (!runs([&] { in = modVornish::ReadEquilibriumInput(fields, 1e-9); }, texts[0]))
        return;
    for (double v : {in.A, in.Atot, in.B, in.Btot, in.AB, in.Kd})
        expect(std::isfinite(v), "equilibrium values are finite", texts[0]);
}

// The Competition Tool's fields: never a fault from reading; what it accepts
// the solver turns into finite, non-negative species within their totals,
// or refuses with a run-time fault.
void fuzzCompetitionFields(const std::vector<QString> &texts)
{
    const modCompetition::FieldsRead read = modCompetition::ReadCompetitionFields({texts[0], texts[1], texts[2],
                                                                                   texts[3], texts[4]},
                                                                                  1e-9);
    if (!read.problem.isEmpty())
        return;
    const modCompetition::CompetitionInput &in = read.input;
    modCompetition::CompetitionSpecies s;
    if (!runs([&] { s = modCompetition::SolveCompetition(in); }, texts[0]))
        return;
    for (double v : {s.A, s.B, s.C, s.AB, s.CB})
        expect(std::isfinite(v) && v >= 0, "competition species are finite and not negative", texts[0]);
    expect(s.AB <= in.totalA && s.CB <= in.totalC && s.AB + s.CB <= in.totalB * (1 + 1e-15),
           "complexes within their totals", texts[0]);
    double ic50 = 0;
    if (runs([&] { ic50 = modCompetition::ExactIc50({in.totalA, in.totalB, in.kd}, in.ki); }, texts[0]))
        expect(std::isfinite(ic50) && ic50 > 0, "the IC50 is finite and positive", texts[0]);
}

void fuzzWizardReaders(const std::vector<QString> &texts)
{
    using namespace modVornish;
    const QString &text = texts[0];
    double positive = 0;
    if (runs([&] { positive = PositiveValue(text); }, text))
        expect(std::isfinite(positive) && positive >= 0, "a box's value is finite and not negative", text);
    expect(!(IsIncompleteNumber(text) && NumberText::isNumeric(text)), "incomplete is not a number", text);

    RateConstants rates;
    if (runs([&] { rates = SettleRateConstants(texts[0], texts[1], texts[2]); }, text))
        for (double v : {rates.kAss, rates.kDiss, rates.kd})
            expect(std::isfinite(v) && v >= 0, "rate constants are finite", text);

    std::vector<EventRowText> rows;
    for (size_t i = 0; i + 1 < texts.size(); i += 2)
        rows.push_back({texts[i], texts[i + 1], int(i / 2 % 4) - 1});
    EventsRead events;
    if (!runs([&] { events = ReadProgrammedEvents(rows, 60, 1e-9); }, text))
        return;
    for (const ProgrammedEvent &event : events.events)
        expect(std::isfinite(event.time) && std::isfinite(event.change), "events are finite", text);
    for (const QString &time : events.rewrittenTimes) {
        double back = 0;
        expect(NumberText::isNumeric(time) && runs([&] { back = NumberText::numericValue(time); }, time)
                   && NumberText::generalText(back) == time,
               "a rewritten time reads back to itself", text);
    }
}

void fuzzSettingsValues(const QString &text, std::mt19937_64 &random)
{
    const float single = SettingsStore::singleFromText(text, 7.0f);
    expect(std::isfinite(single), "a stored single is finite", text);
    const short count = SettingsStore::shortFromText(text, 3);
    bool ok = false;
    const double plain = text.trimmed().toDouble(&ok);
    if (ok && std::fabs(plain) <= 32767)
        expect(count == short(std::lround(plain)), "a stored count in range is read", text);
    // A placement as the program stores it (9 significant digits) reads back.
    static const float edges[] = {std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
                                  std::numeric_limits<float>::denorm_min(), 0.0f};
    float stored = edges[random() % std::size(edges)];
    while (random() % 8 != 0) {
        const quint32 bits = quint32(random());
        std::memcpy(&stored, &bits, sizeof stored);
        if (std::isfinite(stored))
            break;
        stored = 0;
    }
    expect(SettingsStore::singleFromText(QString::number(stored, 'g', 9), 0) == stored, "a stored single reads back",
           QString::number(stored, 'g', 9));
}

// A settings file damaged by hand: every reader of a stored value still
// gives a usable number.
void fuzzSettingsFile(const QString &text, const QString &folder)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    SettingsStore::close();
    QDir().mkpath(folder + QStringLiteral("/Vornish"));
    QFile file(folder + QStringLiteral("/Vornish/Vornish.ini"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail("settings file written", text);
    file.write("[Settings]\nMainHeight=" + text.toUtf8() + "\n[RegInfo]\nTimes=" + text.toUtf8() + "\n");
    file.close();
    const QString app = QStringLiteral("Vornish");
    expect(std::isfinite(
               SettingsStore::readSingle(app, QStringLiteral("Settings"), QStringLiteral("MainHeight"), 7340)),
           "a stored placement is finite", text);
    SettingsStore::readShort(app, QStringLiteral("RegInfo"), QStringLiteral("Times"), 0);
}

PairsReader::Result readPairs(QByteArray bytes, std::size_t maxPairs = 0)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return PairsReader::Read(buffer, maxPairs);
}

bool samePairs(const PairsReader::Result &a, const PairsReader::Result &b, std::size_t count)
{
    if (a.pairs.size() < count || b.pairs.size() < count)
        return false;
    for (std::size_t i = 0; i < count; ++i)
        if (a.pairs[i].bound != b.pairs[i].bound || a.pairs[i].ratio != b.pairs[i].ratio
            || a.pairs[i].line != b.pairs[i].line)
            return false;
    return true;
}

// Lines of two or three mutated texts, separated as files separate them.
void fuzzPairsReader(const std::vector<QString> &texts, std::mt19937_64 &random)
{
    static const char *const separators[] = {",", ";", "\t", " ", ", ", "\t\t"};
    QByteArray lf;
    for (std::size_t i = 0; i + 1 < texts.size(); i += 2) {
        lf += texts[i].toUtf8().replace('\r', ' ').replace('\n', ' ');
        lf += separators[random() % std::size(separators)];
        lf += texts[i + 1].toUtf8().replace('\r', ' ').replace('\n', ' ');
        lf += '\n';
    }
    const QString shown = QString::fromUtf8(lf);
    const PairsReader::Result whole = readPairs(lf);
    long long previous = 0;
    for (const PairsReader::Pair &pair : whole.pairs) {
        expect(std::isfinite(pair.bound) && std::isfinite(pair.ratio), "pairs are finite", shown);
        expect(pair.line > previous, "pairs come in line order", shown);
        previous = pair.line;
    }
    expect(whole.stop != PairsReader::Stop::TooManyRows, "an unbounded read has no row limit", shown);
    QByteArray crlf = lf, cr = lf, marked = lf;
    crlf.replace("\n", "\r\n");
    cr.replace('\n', '\r');
    marked.replace("\n", "\n\xef\xbb\xbf");
    for (const QByteArray &variant : {crlf, cr, "\xef\xbb\xbf" + lf, marked}) {
        const PairsReader::Result other = readPairs(variant);
        expect(other.stop == whole.stop && other.line == whole.line && other.pairs.size() == whole.pairs.size()
                   && samePairs(other, whole, whole.pairs.size()),
               "line ends and byte-order marks change nothing", shown);
    }
    const PairsReader::Result bounded = readPairs(lf, 2);
    expect(bounded.pairs.size() <= 2 && samePairs(bounded, whole, bounded.pairs.size()),
           "a bounded read is the start of the whole", shown);
    expect(bounded.stop == (whole.pairs.size() > 2 ? PairsReader::Stop::TooManyRows : whole.stop),
           "the bound stops the read at the first row past it", shown);
}

// A header of either layout (or a mutated one), then rows of mutated
// fields: traces read are finite with time increasing, whatever the line
// ends; a refusal keeps no trace and says why.
void fuzzTraceReader(const std::vector<QString> &texts, std::mt19937_64 &random)
{
    static const char *const headers[] = {"Time,50,5\n", "Concentration;Time;Signal\n", "Time\t1\t2\t3\n",
                                          "Time,50,5\nDissociation,,30\n", ""};
    static const char *const separators[] = {",", ";", "\t", " "};
    QByteArray lf = headers[random() % std::size(headers)];
    for (std::size_t i = 0; i < texts.size(); ++i) {
        lf += texts[i].toUtf8().replace('\r', ' ').replace('\n', ' ');
        lf += i % 3 == 2 ? "\n" : separators[random() % std::size(separators)];
    }
    const QString shown = QString::fromUtf8(lf);
    const KineticsFit::TraceReading whole = KineticsFit::ReadTracesFromText(shown);
    for (const KineticsFit::Trace &trace : whole.traces) {
        expect(std::isfinite(trace.concentration) && trace.time.size() == trace.signal.size(), "traces are whole",
               shown);
        for (std::size_t i = 0; i < trace.time.size(); ++i) {
            expect(std::isfinite(trace.time[i]) && std::isfinite(trace.signal[i]), "trace points are finite", shown);
            expect(i == 0 || trace.time[i] > trace.time[i - 1], "time increases within a trace", shown);
        }
    }
    expect((whole.stop == KineticsFit::TraceStop::EndOfData) == KineticsFit::TraceStopText(whole).isEmpty(),
           "a refusal says why", shown);
    expect(whole.stop == KineticsFit::TraceStop::EndOfData || whole.traces.empty(), "a refusal keeps no trace", shown);
    QByteArray crlf = lf;
    crlf.replace("\n", "\r\n");
    const KineticsFit::TraceReading other = KineticsFit::ReadTracesFromText(QString::fromUtf8(crlf));
    expect(other.stop == whole.stop && other.line == whole.line && other.traces.size() == whole.traces.size(),
           "line ends change no trace reading", shown);
}

// Rows of an X and replicates, blanks among them, as a fit's table reads
// them: values finite or blank, the same whatever the line ends.
void fuzzColumnsReader(const std::vector<QString> &texts, std::mt19937_64 &random)
{
    static const char *const separators[] = {",", ";", "\t", ",,", "\t\t"};
    QByteArray lf("set,x,y1,y2\n");
    for (const QString &text : texts) {
        lf += text.toUtf8().replace('\r', ' ').replace('\n', ' ');
        lf += separators[random() % std::size(separators)];
        lf += text.toUtf8().replace('\r', ' ').replace('\n', ' ');
        lf += '\n';
    }
    const QString shown = QString::fromUtf8(lf);
    const auto read = [](QByteArray bytes) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        return ColumnsReader::Read(buffer, 3, QStringLiteral("set"));
    };
    const ColumnsReader::Result whole = read(lf);
    for (const ColumnsReader::Row &row : whole.rows) {
        expect(row.values.size() <= 3, "rows hold at most the values asked for", shown);
        for (double v : row.values)
            expect(std::isfinite(v) || std::isnan(v), "values are finite or blank", shown);
    }
    QByteArray crlf = lf;
    crlf.replace("\n", "\r\n");
    const ColumnsReader::Result other = read(crlf);
    expect(other.stop == whole.stop && other.line == whole.line && other.rows.size() == whole.rows.size(),
           "line ends change nothing", shown);
}

const char *const seeds[] = {
    "",
    "0",
    "5",
    "-5",
    " 12.5 ",
    "1.5e-3",
    ".5",
    "5.",
    "+.5E+07",
    "1e400",
    "-1e400",
    "1e-400",
    "1.7976931348623157e308",
    "1.7976931348623159e308",
    "4.9e-324",
    "2.4e-324",
    "2.5",
    "2,5",
    "1d3",
    "-3D-2 nM",
    "abc",
    "5 nM",
    "1e",
    "-",
    ".",
    "1.2.3",
    "7340",
    "32767",
    "-32768",
    "32768",
    "1e9",
    "0x10",
    "inf",
    "nan",
    "1E+308",
    "12345678901234567890",
    "0.000000000000000000001",
    "1 2 3",
    "\t7\n",
};

// Characters worth inserting: the number's own, blanks, and what a paste
// brings (a lone surrogate of either half, other scripts' digits, a
// no-break space, a NUL).
const char16_t alphabet[] = {u'0', u'1', u'5',   u'9',   u'+',   u'-',   u'.',   u',',  u'e',
                             u'E', u'd', u'D',   u' ',   u'\t',  u'\n',  u'\r',  u'x',  u'n',
                             u'i', u'a', 0xD800, 0xDC00, 0x0660, 0xFF11, 0x00A0, 0x0000};

QString mutated(std::mt19937_64 &random)
{
    const auto pick = [&](size_t n) { return size_t(random() % n); };
    QString text = QString::fromLatin1(seeds[pick(std::size(seeds))]);
    for (size_t steps = 1 + pick(4); steps > 0; --steps) {
        const int at = int(pick(size_t(text.size()) + 1));
        const QChar c(alphabet[pick(std::size(alphabet))]);
        switch (pick(6)) {
        case 0:
            text.insert(at, c);
            break;
        case 1:
            text.remove(at, 1);
            break;
        case 2:
            if (at < text.size())
                text[at] = c;
            break;
        case 3:
            text.insert(at, QString::fromLatin1(seeds[pick(std::size(seeds))]));
            break;
        case 4:
            text.insert(at, QString(int(1 + pick(40)), c));
            break;
        default:
            text = text.left(at) + text.mid(at).repeated(int(1 + pick(3)));
            break;
        }
    }
    if (pick(2000) == 0) // now and then a cell of a paste's size
        text = QString(200000, QLatin1Char(pick(2) ? ' ' : '9')) + text;
    return text;
}

// A reader that makes Qt warn (an invalid pattern, say) fails too.
void failOnQtMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    fail("reads without a Qt warning", message);
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(failOnQtMessage);
    const long inputs = argc > 1 ? std::atol(argv[1]) : 20000;
    std::mt19937_64 random(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261206);
    QTemporaryDir settingsFolder;
    const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)};
    for (long i = 0; i < inputs; ++i) {
        QLocale::setDefault(locales[i % 2]);
        std::vector<QString> texts;
        for (int k = 0; k < 8; ++k)
            texts.push_back(mutated(random));
        fuzzStrictReading(texts[0]);
        fuzzLeadingReading(texts[0]);
        fuzzEquilibriumFields(texts);
        fuzzCompetitionFields(texts);
        fuzzWizardReaders(texts);
        fuzzSettingsValues(texts[0], random);
        fuzzPairsReader(texts, random);
        fuzzTraceReader(texts, random);
        fuzzColumnsReader(texts, random);
        if (i % 100 == 0)
            fuzzSettingsFile(texts[0], settingsFolder.path());
    }
    std::printf("%ld inputs through every text reader, %d failures\n", inputs, g_failures);
    return g_failures == 0 ? 0 : 1;
}
